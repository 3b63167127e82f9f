#include "shell/small_controls.h"

#include "shell/palette.h"
#include "shell/text_codec.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace zentabl {

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setTextFormat(Qt::PlainText);
    setMargin(2);
    // The segments are laid out with runs of blanks: one line, as written.
    setWordWrap(false);
}

std::string StatusLine::Caption() const {
    return FromQt(text());
}

void StatusLine::SetCaption(const std::string& caption) {
    setText(ToQt(caption));
}

NoticeLine::NoticeLine(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setWordWrap(false);
    setObjectName(QStringLiteral("notice"));
}

std::string NoticeLine::Caption() const {
    return FromQt(text());
}

void NoticeLine::SetCaption(const std::string& caption) {
    setText(ToQt(caption));
    setToolTip(text());
}

void NoticeLine::SetWarning(bool on) {
    if (on == warning_) return;
    warning_ = on;
    setStyleSheet(on ? QStringLiteral("QLabel#notice { background: #ffbf00; color: black; }") : QString());
}

ValueBox::ValueBox(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

std::string ValueBox::Text() const {
    return FromQt(text());
}

void ValueBox::SetText(const std::string& text) {
    setText(ToQt(text));
}

unsigned ValueBox::ForeColor() const {
    return ToOleColor(palette().color(QPalette::Text));
}

void ValueBox::SetForeColor(unsigned color) {
    QPalette colours = palette();
    colours.setColor(QPalette::Text, FromOleColor(color));
    setPalette(colours);
}

int ValueBox::SelStart() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void ValueBox::mouseMoveEvent(QMouseEvent* event) {
    QLineEdit::mouseMoveEvent(event);
    if (onMouseMove) onMouseMove();
}

SpinArrows::SpinArrows(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        arrow->setFixedWidth(18);
        column->addWidget(arrow);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void SpinArrows::SetValue(int value) {
    value_ = qBound(kMinimum, value, kMaximum);
}

void SpinArrows::Step(int delta) {
    const int next = qBound(kMinimum, value_ + delta, kMaximum);
    if (next == value_) return;
    value_ = next;
    if (onChange) onChange();
}

} // namespace zentabl
