#include "shell/display_box.h"

#include "shell/display_accessible.h"
#include "shell/dropped_text.h"
#include "shell/palette.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <climits>

namespace zentabl {

namespace {

// Blank space between the frame and the text.
constexpr int kMargin = 4;
// How often a selection held outside the view extends it.
constexpr int kAutoScrollMs = 50;

// Typed, pasted or dropped text as the box keeps it: Latin-1, one '\n' for
// every kind of line break, '?' for what Latin-1 cannot hold.
std::string BoxTextOf(QString text) {
    if (text.contains(QChar::ParagraphSeparator))
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    const QByteArray latin = text.toLatin1();
    return LineFeedText(std::string_view(latin.constData(), std::size_t(latin.size())));
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

} // namespace

DisplayBox::DisplayBox(QWidget* parent) : QAbstractScrollArea(parent) {
    static const bool accessible = (QAccessible::installFactory(&DisplayAccessible::Factory), true);
    Q_UNUSED(accessible);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    viewport()->setCursor(Qt::IBeamCursor);

    QFont mono(DisplayFontFamily());
    mono.setStyleHint(QFont::Monospace);
    mono.setFixedPitch(true);
    mono.setPointSize(11);
    mono.setKerning(false);
    mono.setStyleStrategy(QFont::PreferNoShaping);
    setFont(mono);
    MeasureFont();

    QPalette colours = palette();
    colours.setColor(QPalette::Base, DisplayBackground());
    colours.setColor(QPalette::Highlight, QColor(0x3d, 0x5a, 0x80));
    colours.setColor(QPalette::HighlightedText, QColor(0xff, 0xff, 0xff));
    setPalette(colours);
    SetForeColor(ToOleColor(TypingColour()));
    UpdateScrollRanges();
}

template <typename Change> void DisplayBox::Quietly(Change change) {
    const bool outer = coreWriting_;
    coreWriting_ = true;
    change();
    coreWriting_ = outer;
}

// The caret goes to the end, where the next key is appended. A text that
// merely grew or shrank at its end (a key typed, "<") keeps the caret in
// view; any other text (a matrix shown) is shown from its first row.
void DisplayBox::SetText(const std::string& text) {
    std::string shown = LineFeedText(text);
    const std::string& before = lines_.Text();
    const bool continues = !before.empty() && shown != before &&
                           (shown.starts_with(before) || before.starts_with(shown));
    const QString replaced = QAccessible::isActive() ? toPlainText() : QString();
    Quietly([&] {
        lines_.Assign(std::move(shown));
        caret_ = anchor_ = lines_.Size();
        keptColumn_ = -1;
        Changed();
    });
    if (!continues) {
        verticalScrollBar()->setValue(0);
        horizontalScrollBar()->setValue(0);
    }
    NotifyReplaced(0, replaced, lines_.Size());
}

void DisplayBox::Changed() {
    UpdateScrollRanges();
    EnsureCaretVisible();
    RestartBlink();
    viewport()->update();
    if (!coreWriting_ && onChange) onChange();
}

void DisplayBox::ReplaceSelection(std::string text) {
    const int from = SelStart();
    const int to = from + SelLength();
    const int length = static_cast<int>(text.size());
    const QString replaced = QAccessible::isActive() ? TextBetween(from, to) : QString();
    if (from == 0 && to == lines_.Size())
        lines_.Assign(std::move(text));
    else
        lines_.Replace(from, to, text);
    caret_ = anchor_ = from + length;
    keptColumn_ = -1;
    NotifyReplaced(from, replaced, length);
    Changed();
}

void DisplayBox::NotifyReplaced(int at, const QString& removed, int insertedLength) {
    if (!QAccessible::isActive()) return;
    QAccessibleTextUpdateEvent update(this, at, removed, TextBetween(at, at + insertedLength));
    QAccessible::updateAccessibility(&update);
}

void DisplayBox::SetForeColor(unsigned color) {
    foreColor_ = color;
    QPalette colours = palette();
    colours.setColor(QPalette::Text, FromOleColor(color));
    setPalette(colours);
    viewport()->update();
}

void DisplayBox::SetSelStart(int position) {
    SelectRange(position, position);
}

void DisplayBox::SetSelLength(int length) {
    const int start = SelStart();
    SelectRange(start, std::clamp(start + length, start, lines_.Size()));
}

void DisplayBox::SelectRange(int anchor, int caret) {
    anchor_ = std::clamp(anchor, 0, lines_.Size());
    caret_ = std::clamp(caret, 0, lines_.Size());
    keptColumn_ = -1;
    CaretMoved();
}

void DisplayBox::PlaceCaret(int position, bool extend) {
    caret_ = std::clamp(position, 0, lines_.Size());
    if (!extend) anchor_ = caret_;
    CaretMoved();
}

void DisplayBox::CaretMoved() {
    EnsureCaretVisible();
    RestartBlink();
    viewport()->update();
    if (!QAccessible::isActive()) return;
    if (SelLength() > 0) {
        QAccessibleTextSelectionEvent selected(this, SelStart(), SelStart() + SelLength());
        selected.setCursorPosition(caret_);
        QAccessible::updateAccessibility(&selected);
    } else {
        QAccessibleTextCursorEvent moved(this, caret_);
        QAccessible::updateAccessibility(&moved);
    }
}

QString DisplayBox::selectedText() const {
    return TextBetween(SelStart(), SelStart() + SelLength());
}

QString DisplayBox::TextBetween(int from, int to) const {
    return QString::fromLatin1(lines_.Text().data() + from, to - from);
}

QString DisplayBox::toPlainText() const {
    return QString::fromLatin1(lines_.Text().data(), lines_.Size());
}

void DisplayBox::selectAll() {
    SelectRange(0, lines_.Size());
}

void DisplayBox::Copy() {
    if (SelLength() > 0) QApplication::clipboard()->setText(selectedText());
}

void DisplayBox::Cut() {
    Quietly([&] { CutSelection(); });
}

void DisplayBox::CutSelection() {
    Copy();
    ReplaceSelection({});
}

void DisplayBox::Paste() {
    Quietly([&] { PasteFromClipboard(); });
}

bool DisplayBox::CanPaste() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText() && !data->text().isEmpty();
}

void DisplayBox::PasteFromClipboard() {
    const QString text = QApplication::clipboard()->text();
    if (!text.isEmpty()) ReplaceSelection(BoxTextOf(text));
}

// The next blank-separated word, a number in a matrix, or the one before.
int DisplayBox::Moved(int from, CaretMove move) {
    const std::string& text = lines_.Text();
    const int size = lines_.Size();
    const int line = lines_.LineOf(from);
    const auto lineAway = [&](int lines) {
        if (keptColumn_ < 0) keptColumn_ = lines_.ColumnOf(from);
        const int to = std::clamp(line + lines, 0, lines_.LineCount() - 1);
        return lines_.PositionNearColumn(to, keptColumn_);
    };
    int at = from;
    switch (move) {
    case CaretMove::None:
        break;
    case CaretMove::CharLeft:
        return std::max(0, from - 1);
    case CaretMove::CharRight:
        return std::min(size, from + 1);
    case CaretMove::WordLeft:
        while (at > 0 && IsBlank(text[std::size_t(at - 1)])) --at;
        while (at > 0 && !IsBlank(text[std::size_t(at - 1)])) --at;
        break;
    case CaretMove::WordRight:
        while (at < size && !IsBlank(text[std::size_t(at)])) ++at;
        while (at < size && IsBlank(text[std::size_t(at)])) ++at;
        break;
    case CaretMove::LineStart:
        return lines_.LineStart(line);
    case CaretMove::LineEnd:
        return lines_.LineEnd(line);
    case CaretMove::LineUp:
        return lineAway(-1);
    case CaretMove::LineDown:
        return lineAway(1);
    case CaretMove::PageUp:
        return lineAway(-VisibleRows());
    case CaretMove::PageDown:
        return lineAway(VisibleRows());
    case CaretMove::TextStart:
        return 0;
    case CaretMove::TextEnd:
        return size;
    }
    return at;
}

void DisplayBox::Apply(const DisplayKeyAction& action, const QKeyEvent& event) {
    const bool vertical = action.move == CaretMove::LineUp || action.move == CaretMove::LineDown ||
                          action.move == CaretMove::PageUp || action.move == CaretMove::PageDown;
    if (!vertical) keptColumn_ = -1;
    const auto deleteTo = [&](int other) {
        if (SelLength() == 0) SelectRange(caret_, other);
        ReplaceSelection({});
    };
    switch (action.edit) {
    case DisplayEdit::None:
        break;
    case DisplayEdit::Move:
        // Left or Right on a selection lands on its edge, as in any text box.
        if (!action.extend && SelLength() > 0 && action.move == CaretMove::CharLeft)
            PlaceCaret(SelStart(), false);
        else if (!action.extend && SelLength() > 0 && action.move == CaretMove::CharRight)
            PlaceCaret(SelStart() + SelLength(), false);
        else
            PlaceCaret(Moved(caret_, action.move), action.extend);
        break;
    case DisplayEdit::SelectAll:
        selectAll();
        break;
    case DisplayEdit::Copy:
        Copy();
        break;
    case DisplayEdit::Cut:
        CutSelection();
        break;
    case DisplayEdit::Paste:
        PasteFromClipboard();
        break;
    case DisplayEdit::DeleteBack:
        deleteTo(caret_ - 1);
        break;
    case DisplayEdit::DeleteForward:
        deleteTo(caret_ + 1);
        break;
    case DisplayEdit::DeleteWordBack:
        deleteTo(Moved(caret_, CaretMove::WordLeft));
        break;
    case DisplayEdit::DeleteWordForward:
        deleteTo(Moved(caret_, CaretMove::WordRight));
        break;
    case DisplayEdit::NewLine:
        ReplaceSelection("\n");
        break;
    case DisplayEdit::Type:
        ReplaceSelection(BoxTextOf(event.text()));
        break;
    }
}

// The box claims the keys it edits with before the window's shortcuts see
// them; Undo is not among them, it is the calculator's.
bool DisplayBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        DisplayKeyActionFor(*static_cast<QKeyEvent*>(event)).edit != DisplayEdit::None) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

void DisplayBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    const DisplayKeyAction action = DisplayKeyActionFor(*event);
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (onKeyPress && !(event->modifiers() & chords)) {
        char key = 0;
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            key = '\r';
        } else if (event->text().size() == 1) {
            const QChar typed = event->text().at(0);
            if (typed.unicode() >= 0x20 && typed.unicode() < 0x7f) key = char(typed.unicode());
        }
        if (key != 0) {
            // A typed key replaces the selection, as in any text box; the core
            // then inserts the key where the selection was.
            if (SelLength() > 0) ReplaceSelection({});
            if (onKeyPress(key)) {
                event->accept();
                return;
            }
        }
    }
    if (action.edit == DisplayEdit::None) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    Apply(action, *event);
    event->accept();
}

void DisplayBox::MeasureFont() {
    const QFontMetrics metrics(font());
    lineHeight_ = std::max(1, metrics.lineSpacing());
    charWidth_ = std::max(1, metrics.horizontalAdvance(QLatin1Char('0')));
    ascent_ = metrics.ascent();
}

int DisplayBox::VisibleRows() const {
    return std::max(1, (viewport()->height() - 2 * kMargin) / lineHeight_);
}

void DisplayBox::UpdateScrollRanges() {
    const int rows = VisibleRows();
    QScrollBar* down = verticalScrollBar();
    down->setRange(0, std::max(0, lines_.LineCount() - rows));
    down->setPageStep(rows);
    down->setSingleStep(1);
    const int room = viewport()->width();
    const long wide = 2L * kMargin + long(lines_.WidestLine()) * charWidth_ + 1;
    QScrollBar* across = horizontalScrollBar();
    across->setRange(0, int(std::clamp(wide - room, 0L, long(INT_MAX / 2))));
    across->setPageStep(room);
    across->setSingleStep(charWidth_ * 2);
}

void DisplayBox::ScrollIntoView(int position) {
    position = std::clamp(position, 0, lines_.Size());
    const int line = lines_.LineOf(position);
    const int rows = VisibleRows();
    QScrollBar* down = verticalScrollBar();
    if (line < down->value())
        down->setValue(line);
    else if (line >= down->value() + rows)
        down->setValue(line - rows + 1);
    const long x = long(lines_.ColumnOf(position)) * charWidth_;
    const int room = std::max(charWidth_, viewport()->width() - 2 * kMargin);
    QScrollBar* across = horizontalScrollBar();
    if (x < across->value())
        across->setValue(int(x));
    else if (x + charWidth_ > across->value() + room)
        across->setValue(int(x + charWidth_ - room));
}

int DisplayBox::PositionAt(QPoint at) const {
    const int y = at.y() - kMargin;
    const int row = y < 0 ? (y + 1) / lineHeight_ - 1 : y / lineHeight_;
    const int line = std::clamp(verticalScrollBar()->value() + row, 0, lines_.LineCount() - 1);
    const int x = at.x() - kMargin + horizontalScrollBar()->value() + charWidth_ / 2;
    return lines_.PositionNearColumn(line, x < 0 ? 0 : x / charWidth_);
}

QRect DisplayBox::CharacterRect(int position) const {
    position = std::clamp(position, 0, lines_.Size());
    const int row = lines_.LineOf(position) - verticalScrollBar()->value();
    const int x = kMargin - horizontalScrollBar()->value() + lines_.ColumnOf(position) * charWidth_;
    return QRect(x, kMargin + row * lineHeight_, charWidth_, lineHeight_);
}

// The character whose cell holds the point, where PositionAt gives the
// nearest gap between characters.
int DisplayBox::CharacterAt(QPoint viewportPoint) const {
    return PositionAt(viewportPoint - QPoint(charWidth_ / 2, 0));
}

// Only the rows and columns in view are drawn: a matrix line runs to
// thousands of characters.
void DisplayBox::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    painter.fillRect(area, palette().base());
    painter.setFont(font());
    const int left = kMargin - horizontalScrollBar()->value();
    const int firstLine = verticalScrollBar()->value();
    const int firstColumn = std::max(0, (area.left() - left) / charWidth_);
    const int columns = area.width() / charWidth_ + 2;
    const int selectionFrom = SelStart();
    const int selectionTo = selectionFrom + SelLength();
    const QColor textColour = FromOleColor(foreColor_);
    for (int row = std::max(0, (area.top() - kMargin) / lineHeight_);; ++row) {
        const int line = firstLine + row;
        const int top = kMargin + row * lineHeight_;
        if (line >= lines_.LineCount() || top > area.bottom()) break;
        const QString shown =
            QString::fromLatin1(lines_.ColumnsText(line, firstColumn, columns));
        const QPoint baseline(left + firstColumn * charWidth_, top + ascent_);
        painter.setPen(textColour);
        painter.drawText(baseline, shown);
        const int start = lines_.LineStart(line);
        const int end = lines_.LineEnd(line);
        if (selectionFrom < selectionTo && selectionFrom <= end && selectionTo > start) {
            // A selected line break shows as one selected column.
            const int from = selectionFrom <= start ? 0 : lines_.ColumnOf(selectionFrom);
            const int to = selectionTo > end ? lines_.ColumnOf(end) + 1 : lines_.ColumnOf(selectionTo);
            const QRect selected(left + from * charWidth_, top, (to - from) * charWidth_, lineHeight_);
            painter.fillRect(selected, palette().highlight());
            painter.save();
            painter.setClipRect(selected);
            painter.setPen(palette().color(QPalette::HighlightedText));
            painter.drawText(baseline, shown);
            painter.restore();
        }
    }
    const int caretRow = lines_.LineOf(caret_) - firstLine;
    if (hasFocus() && caretShown_ && caretRow >= 0) {
        const int x = left + lines_.ColumnOf(caret_) * charWidth_;
        painter.fillRect(QRect(x, kMargin + caretRow * lineHeight_, 1, lineHeight_), textColour);
    }
}

void DisplayBox::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

void DisplayBox::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        MeasureFont();
        UpdateScrollRanges();
    }
    viewport()->update();
}

void DisplayBox::RestartBlink() {
    caretShown_ = true;
    const int flash = QApplication::cursorFlashTime();
    if (hasFocus() && flash > 0)
        blink_.start(flash / 2, this);
    else
        blink_.stop();
}

void DisplayBox::timerEvent(QTimerEvent* event) {
    if (event->timerId() == autoScroll_.timerId()) {
        PlaceCaret(PositionAt(pointer_), true);
        return;
    }
    if (event->timerId() != blink_.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    caretShown_ = !caretShown_;
    viewport()->update();
}

void DisplayBox::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    RestartBlink();
    viewport()->update();
}

void DisplayBox::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    blink_.stop();
    viewport()->update();
}

void DisplayBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int at = PositionAt(event->position().toPoint());
    const bool insideSelection = SelLength() > 0 && at > SelStart() && at < SelStart() + SelLength();
    keptColumn_ = -1;
    if (event->modifiers() & Qt::ShiftModifier) {
        selecting_ = true;
        PlaceCaret(at, true);
    } else if (insideSelection) {
        mayDragOut_ = true;
        pressedAt_ = event->position().toPoint();
    } else {
        selecting_ = true;
        PlaceCaret(at, false);
    }
}

void DisplayBox::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPoint at = event->position().toPoint();
    if (mayDragOut_) {
        if ((at - pressedAt_).manhattanLength() < QApplication::startDragDistance()) return;
        mayDragOut_ = false;
        auto* data = new QMimeData;
        data->setText(selectedText());
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction);
        return;
    }
    if (!selecting_) return;
    PlaceCaret(PositionAt(at), true);
    // Held outside the view, the selection goes on growing: the view
    // scrolls towards the pointer, the faster the farther it is.
    pointer_ = at;
    if (viewport()->rect().contains(at))
        autoScroll_.stop();
    else if (!autoScroll_.isActive())
        autoScroll_.start(kAutoScrollMs, this);
}

void DisplayBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const std::string& text = lines_.Text();
    int from = PositionAt(event->position().toPoint());
    int to = from;
    while (from > 0 && !IsBlank(text[std::size_t(from - 1)])) --from;
    while (to < lines_.Size() && !IsBlank(text[std::size_t(to)])) ++to;
    SelectRange(from, to);
    selecting_ = false;
}

void DisplayBox::mouseReleaseEvent(QMouseEvent* event) {
    int button = 0;
    switch (event->button()) {
    case Qt::LeftButton:
        button = 1;
        if (mayDragOut_) PlaceCaret(PositionAt(event->position().toPoint()), false);
        mayDragOut_ = false;
        selecting_ = false;
        autoScroll_.stop();
        // As X11 text boxes do: the selection is also the primary selection.
        if (SelLength() > 0 && QApplication::clipboard()->supportsSelection())
            QApplication::clipboard()->setText(selectedText(), QClipboard::Selection);
        break;
    case Qt::RightButton:
        button = 2;
        break;
    case Qt::MiddleButton:
        button = 4;
        // As X11 text boxes do: the primary selection is pasted where the
        // middle button was released.
        if (QApplication::clipboard()->supportsSelection()) {
            const QString primary = QApplication::clipboard()->text(QClipboard::Selection);
            if (!primary.isEmpty()) {
                PlaceCaret(PositionAt(event->position().toPoint()), false);
                ReplaceSelection(BoxTextOf(primary));
            }
        }
        break;
    default:
        return;
    }
    // Events arrive in viewport coordinates; the core speaks of the box.
    const QPoint at = viewport()->mapTo(this, event->position().toPoint());
    if (onMouseUp) onMouseUp(button, at.x(), at.y());
}

// A drop is always taken as a copy: a move would make the source delete
// the text the user dragged out of it.
void DisplayBox::AcceptAsCopy(QDropEvent* event) {
    if (dropsAllowed && dropsAllowed() && CanReadDrop(event->mimeData()) &&
        (event->possibleActions() & Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void DisplayBox::dragEnterEvent(QDragEnterEvent* event) {
    AcceptAsCopy(event);
}

void DisplayBox::dragMoveEvent(QDragMoveEvent* event) {
    AcceptAsCopy(event);
}

void DisplayBox::dropEvent(QDropEvent* event) {
    AcceptAsCopy(event);
    if (!event->isAccepted()) return;
    const std::optional<std::string> text = ReadDrop(event->mimeData());
    if (!text) {
        event->ignore();
        return;
    }
    // Line breaks as the display writes them, so that caret positions agree
    // with the entry text whatever the file used.
    if (onDropText) onDropText(CrLfText(*text));
}

} // namespace zentabl
