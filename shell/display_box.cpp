#include "shell/display_box.h"

#include "commands/menu_tables.h"
#include "shell/dropped_text.h"
#include "shell/menu_builder.h"
#include "shell/palette.h"
#include "shell/text_codec.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace zentabl {

DisplayBox::DisplayBox(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTabChangesFocus(true);
    // The core keeps the one level of undo the Edit popup offers; a second,
    // private undo history in the box would disagree with it.
    setUndoRedoEnabled(false);
    // The right button belongs to the core's Edit popup.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);

    QFont mono(DisplayFontFamily());
    mono.setStyleHint(QFont::Monospace);
    mono.setFixedPitch(true);
    mono.setPointSize(11);
    // A matrix line runs to thousands of characters and is laid out whole
    // whenever it comes into view; a fixed-pitch face needs neither kerning
    // nor shaping, and skipping them makes that several times cheaper.
    mono.setKerning(false);
    mono.setStyleStrategy(QFont::PreferNoShaping);
    setFont(mono);

    QPalette colours = palette();
    colours.setColor(QPalette::Base, DisplayBackground());
    colours.setColor(QPalette::Highlight, QColor(0x3d, 0x5a, 0x80));
    colours.setColor(QPalette::HighlightedText, QColor(0xff, 0xff, 0xff));
    setPalette(colours);
    SetForeColor(ToOleColor(TypingColour()));

    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        textKnown_ = false;
        if (!coreWriting_ && onChange) onChange();
    });
}

template <typename Change> void DisplayBox::Quietly(Change change) {
    const bool outer = coreWriting_;
    coreWriting_ = true;
    change();
    coreWriting_ = outer;
}

// The text is converted once after each change: the core reads it after
// every edit, and a shown matrix runs to megabytes.
const std::string& DisplayBox::ShownText() const {
    if (!textKnown_) {
        text_ = FromQt(toPlainText());
        textKnown_ = true;
    }
    return text_;
}

std::string DisplayBox::Text() const {
    return ShownText();
}

// The caret goes to the end, where the next key is appended. A text that
// merely grew or shrank at its end (a key typed, "<") keeps the caret in
// view; any other text (a matrix shown) is shown from its first row.
void DisplayBox::SetText(const std::string& text) {
    const std::string& before = ShownText();
    const QString after = ToQt(text);
    std::string shown = FromQt(after);
    const bool continues = !before.empty() && shown != before &&
                           (shown.starts_with(before) || before.starts_with(shown));
    Quietly([&] {
        setPlainText(after);
        moveCursor(QTextCursor::End);
    });
    // As the document gives its plain text back.
    std::replace(shown.begin(), shown.end(), '\xa0', ' ');
    text_ = std::move(shown);
    textKnown_ = true;
    if (!continues) {
        verticalScrollBar()->setValue(0);
        horizontalScrollBar()->setValue(0);
    }
}

// Pasted text goes straight into the document; by default it is first
// built into a document of its own and copied over, twice the work for a
// pasted matrix.
void DisplayBox::insertFromMimeData(const QMimeData* source) {
    const QString text = source->text();
    if (text.isNull()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    insertPlainText(text);
    ensureCursorVisible();
}

void DisplayBox::Cut() {
    Quietly([&] { cut(); });
}

void DisplayBox::Paste() {
    Quietly([&] { paste(); });
}

void DisplayBox::SetForeColor(unsigned color) {
    foreColor_ = color;
    QPalette colours = palette();
    colours.setColor(QPalette::Text, FromOleColor(color));
    setPalette(colours);
}

int DisplayBox::SelStart() const {
    return textCursor().selectionStart();
}

void DisplayBox::SetSelStart(int position) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(qBound(0, position, TextLength()));
    setTextCursor(cursor);
}

int DisplayBox::SelLength() const {
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void DisplayBox::SetSelLength(int length) {
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(qBound(start, start + length, TextLength()), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

int DisplayBox::CurLine() const {
    return textCursor().blockNumber();
}

int DisplayBox::TextLength() const {
    return document()->characterCount() - 1;
}

// The box keeps no undo of its own: Undo is the calculator's, bound to the
// window, and must not be taken here.
bool DisplayBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) ==
            ShortcutFor(ID_EDIT_UNDO)) {
        event->ignore();
        return true;
    }
    return QPlainTextEdit::event(event);
}

void DisplayBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
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
            if (textCursor().hasSelection()) {
                QTextCursor cursor = textCursor();
                cursor.removeSelectedText();
                setTextCursor(cursor);
            }
            if (onKeyPress(key)) {
                event->accept();
                return;
            }
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void DisplayBox::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    int button = 0;
    switch (event->button()) {
    case Qt::LeftButton:
        button = 1;
        break;
    case Qt::RightButton:
        button = 2;
        break;
    case Qt::MiddleButton:
        button = 4;
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
    if (onDropText) onDropText(FromQt(ToQt(*text)));
}

} // namespace zentabl
