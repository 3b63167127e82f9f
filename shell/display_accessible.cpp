#include "shell/display_accessible.h"

#include "shell/display_box.h"

#include <QWidget>

#include <algorithm>

namespace zentabl {

DisplayAccessible::DisplayAccessible(DisplayBox* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

QAccessibleInterface* DisplayAccessible::Factory(const QString&, QObject* object) {
    auto* box = dynamic_cast<DisplayBox*>(object);
    return box ? new DisplayAccessible(box) : nullptr;
}

DisplayBox* DisplayAccessible::Box() const {
    return static_cast<DisplayBox*>(widget());
}

void* DisplayAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString DisplayAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value) return Box()->toPlainText();
    return QAccessibleWidget::text(kind);
}

QAccessible::State DisplayAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

void DisplayAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || Box()->SelLength() == 0) return;
    *startOffset = Box()->SelStart();
    *endOffset = Box()->SelStart() + Box()->SelLength();
}

int DisplayAccessible::selectionCount() const {
    return Box()->SelLength() > 0 ? 1 : 0;
}

// The display holds one selection at most: a second one replaces it.
void DisplayAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void DisplayAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) Box()->SetSelStart(Box()->SelStart() + Box()->SelLength());
}

void DisplayAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0) return;
    Box()->SetSelStart(std::min(startOffset, endOffset));
    Box()->SetSelLength(std::abs(endOffset - startOffset));
}

int DisplayAccessible::cursorPosition() const {
    return Box()->CaretPosition();
}

void DisplayAccessible::setCursorPosition(int position) {
    Box()->SetSelStart(position);
}

QString DisplayAccessible::text(int startOffset, int endOffset) const {
    const int size = Box()->TextLength();
    const int from = std::clamp(startOffset, 0, size);
    const int to = std::clamp(endOffset, from, size);
    return Box()->TextBetween(from, to);
}

int DisplayAccessible::characterCount() const {
    return Box()->TextLength();
}

QRect DisplayAccessible::characterRect(int offset) const {
    const QRect inView = Box()->CharacterRect(offset);
    QWidget* view = Box()->viewport();
    return QRect(view->mapToGlobal(inView.topLeft()), inView.size());
}

int DisplayAccessible::offsetAtPoint(const QPoint& point) const {
    QWidget* view = Box()->viewport();
    const QPoint inView = view->mapFromGlobal(point);
    if (!view->rect().contains(inView)) return -1;
    return Box()->CharacterAt(inView);
}

void DisplayAccessible::scrollToSubstring(int startIndex, int endIndex) {
    Box()->ScrollIntoView(endIndex);
    Box()->ScrollIntoView(startIndex);
}

// The display's text has one face and one colour throughout.
QString DisplayAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = std::max(offset, Box()->TextLength());
    return QString();
}

} // namespace zentabl
