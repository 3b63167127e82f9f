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
#include <optional>

namespace zentabl {

namespace {

// Blank space between the frame and the text.
constexpr int kMargin = 4;
// How often a selection held outside the view extends it.
constexpr int kAutoScrollMs = 50;

// Typed, pasted or dropped text as the box keeps it: Latin-1, one '\n' for
// every kind of line break, '?' for what Latin-1 cannot hold. A pasted matrix
// runs to megabytes: it is converted a piece at a time, so that no Latin-1
// copy of the whole is made on the way.
std::string BoxTextOf(const QString& text) {
    constexpr qsizetype kPiece = qsizetype{1} << 16;
    std::string box;
    box.reserve(std::size_t(text.size()));
    QStringView rest(text);
    while (!rest.isEmpty()) {
        qsizetype length = std::min(kPiece, rest.size());
        // A CR LF pair stays in one piece.
        while (length < rest.size() && rest[length - 1] == u'\r') ++length;
        QStringView piece = rest.first(length);
        rest = rest.sliced(length);
        QString replaced;
        if (piece.contains(QChar::ParagraphSeparator)) {
            replaced = piece.toString();
            replaced.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
            piece = replaced;
        }
        const QByteArray latin = piece.toLatin1();
        AppendLineFeedText(box, std::string_view(latin.constData(), std::size_t(latin.size())));
    }
    return box;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// The key as the core takes it: a printable character, or Enter as CR; 0
// for any other key and for chords.
char CoreKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event.modifiers() & chords) return 0;
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return '\r';
    if (event.text().size() != 1) return 0;
    const char16_t typed = event.text().at(0).unicode();
    return typed >= 0x20 && typed < 0x7f ? char(typed) : 0;
}

// What a key's edit changes in the text, if anything.
std::optional<UserEdit> EditKindOf(DisplayEdit edit) {
    switch (edit) {
    case DisplayEdit::Type:
    case DisplayEdit::NewLine:
        return UserEdit::Typing;
    case DisplayEdit::DeleteBack:
    case DisplayEdit::DeleteForward:
    case DisplayEdit::DeleteWordBack:
    case DisplayEdit::DeleteWordForward:
        return UserEdit::Deleting;
    case DisplayEdit::Cut:
    case DisplayEdit::Paste:
        return UserEdit::Other;
    case DisplayEdit::None:
    case DisplayEdit::Move:
    case DisplayEdit::SelectAll:
    case DisplayEdit::Copy:
        break;
    }
    return std::nullopt;
}

// Marks the selection a box drags, so that only its own drop moves it.
QString OwnDragFormat() {
    return QStringLiteral("application/x-zentabl-display-selection");
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
    const char key = onKeyPress ? CoreKey(*event) : 0;
    bool handled = false;
    const auto edit = [&] {
        if (key != 0) {
            // A typed key replaces the selection, as in any text box; the core
            // then inserts the key where the selection was.
            if (SelLength() > 0) ReplaceSelection({});
            handled = onKeyPress(key);
        }
        if (!handled && action.edit != DisplayEdit::None) {
            Apply(action, *event);
            handled = true;
        }
    };
    const std::optional<UserEdit> kind =
        key != 0 ? std::optional(UserEdit::Typing) : EditKindOf(action.edit);
    if (kind)
        RunUserEdit(*kind, edit);
    else
        edit();
    if (handled)
        event->accept();
    else
        QAbstractScrollArea::keyPressEvent(event);
}

void DisplayBox::RunUserEdit(UserEdit kind, const std::function<void()>& edit) {
    if (runEdit)
        runEdit(kind, edit);
    else
        edit();
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
            const int to =
                selectionTo > end ? lines_.ColumnOf(end) + 1 : lines_.ColumnOf(selectionTo);
            const QRect selected(left + from * charWidth_, top, (to - from) * charWidth_,
                                 lineHeight_);
            painter.fillRect(selected, palette().highlight());
            painter.save();
            painter.setClipRect(selected);
            painter.setPen(palette().color(QPalette::HighlightedText));
            painter.drawText(baseline, shown);
            painter.restore();
        }
    }
    const auto drawCaret = [&](int position) {
        const int row = lines_.LineOf(position) - firstLine;
        if (row < 0) return;
        const int x = left + lines_.ColumnOf(position) * charWidth_;
        painter.fillRect(QRect(x, kMargin + row * lineHeight_, 1, lineHeight_), textColour);
    };
    if (hasFocus() && caretShown_) drawCaret(caret_);
    // A drag over the box shows where its text would go.
    if (dropAt_ >= 0) drawCaret(dropAt_);
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
        auto* drag = new QDrag(this);
        drag->setMimeData(SelectionDragData());
        // The box moves its own text when it takes the drop; what another
        // program takes is a copy, the display keeps its text.
        drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
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
                RunUserEdit(UserEdit::Other, [&] { ReplaceSelection(BoxTextOf(primary)); });
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

QMimeData* DisplayBox::SelectionDragData() {
    auto* data = new QMimeData;
    data->setText(selectedText());
    data->setData(OwnDragFormat(), {});
    dragged_ = data;
    draggedFrom_ = SelStart();
    draggedTo_ = SelStart() + SelLength();
    return data;
}

bool DisplayBox::IsOwnDrag(const QMimeData* data) const {
    return data && data == dragged_ && data->hasFormat(OwnDragFormat()) &&
           draggedTo_ <= lines_.Size() && TextBetween(draggedFrom_, draggedTo_) == data->text();
}

// The box's own selection moves, or with Ctrl held is copied. Anything else
// is taken as a copy: a move would make the source delete the text the user
// dragged out of it.
void DisplayBox::AcceptDrop(QDropEvent* event) {
    const bool moves = IsOwnDrag(event->mimeData()) && !(event->modifiers() & Qt::ControlModifier);
    const Qt::DropAction action = moves ? Qt::MoveAction : Qt::CopyAction;
    if (dropsAllowed && dropsAllowed() && CanReadDrop(event->mimeData()) &&
        (event->possibleActions() & action)) {
        event->setDropAction(action);
        event->accept();
    } else {
        event->ignore();
    }
}

void DisplayBox::ShowDropPoint(int position) {
    dropAt_ = position;
    viewport()->update();
}

void DisplayBox::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void DisplayBox::dragMoveEvent(QDragMoveEvent* event) {
    AcceptDrop(event);
    ShowDropPoint(event->isAccepted() ? PositionAt(event->position().toPoint()) : -1);
}

void DisplayBox::dragLeaveEvent(QDragLeaveEvent* event) {
    ShowDropPoint(-1);
    QAbstractScrollArea::dragLeaveEvent(event);
}

// A dropped file's text replaces the entry, as a document opened; dropped
// text goes in at the drop point, as in any text box.
std::optional<std::string> DisplayBox::DroppedText(QDropEvent& event, int& from, int& to) const {
    const QMimeData* data = event.mimeData();
    if (HoldsLocalFile(data)) {
        const std::optional<std::string> file = ReadDrop(data);
        if (!file) return std::nullopt;
        return LineFeedText(*file);
    }
    std::string text = lines_.Text();
    int at = PositionAt(event.position().toPoint());
    std::string dropped;
    if (IsOwnDrag(data)) {
        dropped = text.substr(std::size_t(draggedFrom_), std::size_t(draggedTo_ - draggedFrom_));
        if (event.dropAction() == Qt::MoveAction) {
            // Dropped onto itself, the selection stays where it is.
            if (at >= draggedFrom_ && at <= draggedTo_) return text;
            text.erase(std::size_t(draggedFrom_), dropped.size());
            if (at > draggedTo_) at -= int(dropped.size());
        }
    } else {
        dropped = BoxTextOf(data->text());
    }
    text.insert(std::size_t(at), dropped);
    from = at;
    to = at + int(dropped.size());
    return text;
}

void DisplayBox::dropEvent(QDropEvent* event) {
    ShowDropPoint(-1);
    AcceptDrop(event);
    if (!event->isAccepted()) return;
    if (onDropFile && HoldsLocalFile(event->mimeData())) {
        bool taken = false;
        RunUserEdit(UserEdit::Other, [&] { taken = onDropFile(DroppedFilePath(event->mimeData())); });
        if (taken) return;
    }
    int from = 0;
    int to = 0;
    const std::optional<std::string> dropped = DroppedText(*event, from, to);
    if (!dropped) {
        event->ignore();
        return;
    }
    const std::string& text = *dropped;
    if (text == lines_.Text()) return;
    // Line breaks as the display writes them, so that caret positions agree
    // with the entry text whatever the file used.
    RunUserEdit(UserEdit::Other, [&] {
        if (onDropText) onDropText(CrLfText(text));
    });
    // As text boxes do, the dropped text is selected.
    if (to > from && lines_.Text() == text) SelectRange(from, to);
}

} // namespace zentabl
