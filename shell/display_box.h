#pragma once
// The calculator's display: a multi-line box in a monospace face on a dark
// ground whose text colour shows the entry state the core sets.

#include "platform/host.h"

#include <QPlainTextEdit>

#include <functional>
#include <string>

namespace zentabl {

class DisplayBox : public QPlainTextEdit, public CMdcText {
  public:
    // Typed character or Enter: returns true when the core took the key, so
    // the box must not insert it a second time.
    std::function<bool(char)> onKeyPress;
    std::function<void()> onChange;
    // button 1 left, 2 right, 4 middle; x, y in the box's client coordinates
    std::function<void(int button, int x, int y)> onMouseUp;
    std::function<bool()> dropsAllowed;
    std::function<void(const std::string&)> onDropText;

    explicit DisplayBox(QWidget* parent = nullptr);

    std::string Text() const override;
    void SetText(const std::string& text) override;
    unsigned ForeColor() const override { return foreColor_; }
    void SetForeColor(unsigned color) override;
    int SelStart() const override;
    void SetSelStart(int position) override;
    int SelLength() const override;
    void SetSelLength(int length) override;
    int CurLine() const override;
    int TextLength() const override;
    void SetFocus() override { setFocus(Qt::OtherFocusReason); }
    void Cut() override;
    void Copy() override { copy(); }
    void Paste() override;
    bool CanPaste() const override { return canPaste(); }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    const std::string& ShownText() const;
    void AcceptAsCopy(QDropEvent* event);
    // Runs a change the core makes itself, which is not reported back to it.
    template <typename Change> void Quietly(Change change);

    // What Text() returns, while textKnown_ holds.
    mutable std::string text_;
    mutable bool textKnown_ = false;
    unsigned foreColor_ = 0;
    bool coreWriting_ = false;
};

} // namespace zentabl
