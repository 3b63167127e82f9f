#include "shell/command_list.h"

#include "shell/text_codec.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace zentabl {

CommandList::CommandList(QWidget* parent) : QComboBox(parent) {
    // Editable so that the text field can show a title that is no row and
    // hold a selection; read-only because nothing typed there means anything.
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->setReadOnly(true);
    lineEdit()->installEventFilter(this);
    setMaxVisibleItems(20);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(18);
    connect(this, &QComboBox::activated, this, &CommandList::Pick);
}

void CommandList::AddItem(const std::string& text) {
    addItem(ToQt(text));
}

std::string CommandList::Text() const {
    return FromQt(lineEdit()->text());
}

void CommandList::SetText(const std::string& text) {
    lineEdit()->setText(ToQt(text));
}

int CommandList::SelStart() const {
    const QLineEdit* edit = lineEdit();
    return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

void CommandList::SetSelStart(int position) {
    lineEdit()->setCursorPosition(position);
}

int CommandList::SelLength() const {
    return int(lineEdit()->selectedText().size());
}

void CommandList::SetSelLength(int length) {
    QLineEdit* edit = lineEdit();
    edit->setSelection(SelStart(), length);
}

void CommandList::Pick(int row) {
    if (row < 0 || row >= count()) return;
    lineEdit()->setText(itemText(row));
    if (onClick) onClick();
}

// Rows run commands (a store overwrites its register), so stepping through
// the closed list must not run each row it passes: the arrow keys open the
// list to choose from, and the wheel is left to the window.
void CommandList::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (count() > 0) showPopup();
        event->accept();
        return;
    default:
        QComboBox::keyPressEvent(event);
    }
}

void CommandList::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

// A click in the read-only text field opens the list, as the arrow does.
bool CommandList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress && count() > 0) {
        showPopup();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace zentabl
