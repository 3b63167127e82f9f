#pragma once
// The core holds 8-bit text with CR LF line breaks; Qt boxes hold QString with
// one character per line break. Latin-1 keeps one byte per character, so
// positions counted on either side agree.

#include <QString>

#include <string>

namespace zentabl {

inline QString ToQt(const std::string& text) {
    QString out = QString::fromLatin1(text.data(), qsizetype(text.size()));
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

inline std::string FromQt(const QString& text) {
    QString crlf = text;
    crlf.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    crlf.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    const QByteArray bytes = crlf.toLatin1();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

} // namespace zentabl
