#pragma once
// The core holds 8-bit text with CR LF line breaks; Qt boxes hold QString with
// one character per line break. Latin-1 keeps one byte per character, so
// positions counted on either side agree. Both conversions are one pass: the
// display hands whole matrices of several megabytes through them.

#include <QString>

#include <string>

namespace zentabl {

// CR LF, a lone CR and a lone LF each become one LF.
inline QString ToQt(const std::string& text) {
    QString out(qsizetype(text.size()), Qt::Uninitialized);
    QChar* to = out.data();
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\r') {
            *to++ = QLatin1Char('\n');
            if (i + 1 < size && text[i + 1] == '\n') ++i;
        } else {
            *to++ = QChar(c);
        }
    }
    out.truncate(to - out.constData());
    return out;
}

// LF and the paragraph separator become CR LF; a character outside Latin-1
// becomes '?', as QString::toLatin1 writes it.
inline std::string FromQt(const QString& text) {
    const QChar* const begin = text.constData();
    const QChar* const end = begin + text.size();
    std::size_t breaks = 0;
    for (const QChar* c = begin; c != end; ++c)
        breaks += (c->unicode() == u'\n' || c->unicode() == QChar::ParagraphSeparator);
    std::string out(std::size_t(text.size()) + breaks, '\0');
    char* to = out.data();
    for (const QChar* c = begin; c != end; ++c) {
        const char16_t u = c->unicode();
        if (u == u'\n' || u == QChar::ParagraphSeparator) {
            *to++ = '\r';
            *to++ = '\n';
        } else {
            *to++ = u < 0x100 ? char(u) : '?';
        }
    }
    return out;
}

} // namespace zentabl
