#pragma once
// The calculator's display: a multi-line text box in a monospace face on a
// dark ground whose text colour shows the entry state the core sets. It keeps
// its text in the core's own 8-bit form and paints only the rows and columns
// in view, so a matrix of a million elements shows and scrolls at once.

#include "platform/host.h"
#include "shell/display_keys.h"
#include "shell/display_lines.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QMimeData>
#include <QPoint>
#include <QPointer>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

namespace zentabl {

// What kind of change an edit the user makes is: a run of typing, or of
// deleting, is one change.
enum class UserEdit { Typing, Deleting, Other };

class DisplayBox : public QAbstractScrollArea, public CMdcText {
  public:
    // Typed character or Enter: returns true when the core took the key, so
    // the box must not insert it a second time.
    std::function<bool(char)> onKeyPress;
    std::function<void()> onChange;
    // button 1 left, 2 right, 4 middle; x, y in the box's client coordinates
    std::function<void(int button, int x, int y)> onMouseUp;
    std::function<bool()> dropsAllowed;
    // A drop: the whole text it leaves in the box, with CR LF line breaks.
    std::function<void(const std::string&)> onDropText;
    // A dropped local file by its path: true when the window took the file
    // itself (an import); otherwise its text is dropped.
    std::function<bool(const std::string& path)> onDropFile;
    // Runs each edit the user makes in the box (typing, editing keys,
    // clipboard, drops), so that the window can offer to undo it; without
    // it the box edits directly.
    std::function<void(UserEdit kind, const std::function<void()>& edit)> runEdit;

    explicit DisplayBox(QWidget* parent = nullptr);

    std::string Text() const override { return lines_.CoreText(); }
    // The text as the box keeps it ('\n' line breaks) held apart, copying
    // nothing: it stays as it is when the text changes.
    std::shared_ptr<const std::string> TextSnapshot() const { return lines_.Snapshot(); }
    void SetText(const std::string& text) override;
    unsigned ForeColor() const override { return foreColor_; }
    void SetForeColor(unsigned color) override;
    int SelStart() const override { return std::min(anchor_, caret_); }
    void SetSelStart(int position) override;
    int SelLength() const override { return std::abs(caret_ - anchor_); }
    void SetSelLength(int length) override;
    int CurLine() const override { return lines_.LineOf(caret_); }
    int TextLength() const override { return lines_.Size(); }
    void SetFocus() override { setFocus(Qt::OtherFocusReason); }
    void Cut() override;
    void Copy() override;
    void Paste() override;
    bool CanPaste() const override;

    // As a text box offers them: line breaks one character each.
    QString toPlainText() const;
    QString selectedText() const;
    void selectAll();
    int lineCount() const { return lines_.LineCount(); }

    // For assistive technology: positions, their text and where they stand
    // in the viewport.
    int CaretPosition() const { return caret_; }
    QString TextBetween(int from, int to) const;
    QRect CharacterRect(int position) const;
    int CharacterAt(QPoint viewportPoint) const;
    void ScrollIntoView(int position);

    // The selection as drag data. Dropped back into this box it moves there
    // (with Ctrl held it is copied); anywhere else it is copied.
    QMimeData* SelectionDragData();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // Runs a change the core makes itself, which is not reported back to it.
    template <typename Change> void Quietly(Change change);
    // Replaces the selection by text with '\n' breaks; the caret follows it.
    void ReplaceSelection(std::string text);
    void Changed();
    void Apply(const DisplayKeyAction& action, const QKeyEvent& event);
    int Moved(int from, CaretMove move);
    void PlaceCaret(int position, bool extend);
    void SelectRange(int anchor, int caret);
    void PasteFromClipboard();
    void CutSelection();

    void MeasureFont();
    int VisibleRows() const;
    void UpdateScrollRanges();
    void EnsureCaretVisible() { ScrollIntoView(caret_); }
    // Shows the caret where it now is, and tells assistive technology.
    void CaretMoved();
    // Tells assistive technology what an edit replaced.
    void NotifyReplaced(int at, const QString& removed, int insertedLength);
    int PositionAt(QPoint viewportPoint) const;
    void RestartBlink();
    void RunUserEdit(UserEdit kind, const std::function<void()>& edit);
    void AcceptDrop(QDropEvent* event);
    // Whether the data is the selection this box is dragging.
    bool IsOwnDrag(const QMimeData* data) const;
    // The box's text after the drop, and where the dropped text lies in it.
    std::optional<std::string> DroppedText(QDropEvent& event, int& from, int& to) const;
    void ShowDropPoint(int position);

    DisplayLines lines_;
    int lineHeight_ = 1;
    int charWidth_ = 1;
    int ascent_ = 0;
    int caret_ = 0;
    int anchor_ = 0;
    // The column Up and Down keep to across shorter lines, or -1.
    int keptColumn_ = -1;
    unsigned foreColor_ = 0;
    bool coreWriting_ = false;
    bool caretShown_ = true;
    QBasicTimer blink_;
    // A press inside the selection may start dragging it out.
    bool mayDragOut_ = false;
    bool selecting_ = false;
    QPoint pressedAt_;
    QBasicTimer autoScroll_;
    QPoint pointer_;
    // The selection being dragged, while its data lives.
    QPointer<QMimeData> dragged_;
    int draggedFrom_ = 0;
    int draggedTo_ = 0;
    // Where a drag over the box would drop its text, or -1.
    int dropAt_ = -1;
};

} // namespace zentabl
