#pragma once
// The small controls of the calculator window: the status line and the
// notice in its free right-hand part, the Width and Decimal boxes and their
// spin arrows.

#include "platform/host.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <functional>

class QToolButton;

namespace zentabl {

class StatusLine : public QLabel, public CLabelControl {
  public:
    explicit StatusLine(QWidget* parent = nullptr);
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    void SetWarning(bool) override {} // the status line's segments never warn
};

// The notice at the right of the status line: what a reading dropped, what
// is pending. It takes no room of its own, so the window keeps its size.
class NoticeLine : public QLabel, public CLabelControl {
  public:
    explicit NoticeLine(QWidget* parent = nullptr);
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    void SetWarning(bool on) override;
    bool Warning() const { return warning_; }

  private:
    bool warning_ = false;
};

// The Width and Decimal boxes: one-line, written by the core and never read.
class ValueBox : public QLineEdit, public CMdcText {
  public:
    std::function<void()> onMouseMove;

    explicit ValueBox(QWidget* parent = nullptr);

    std::string Text() const override;
    void SetText(const std::string& text) override;
    unsigned ForeColor() const override;
    void SetForeColor(unsigned color) override;
    int SelStart() const override;
    void SetSelStart(int position) override { setCursorPosition(position); }
    int SelLength() const override { return int(selectedText().size()); }
    void SetSelLength(int length) override { setSelection(SelStart(), length); }
    int CurLine() const override { return 0; }
    int TextLength() const override { return int(text().size()); }
    void SetFocus() override { setFocus(Qt::OtherFocusReason); }
    void Cut() override { cut(); }
    void Copy() override { copy(); }
    void Paste() override { paste(); }
    bool CanPaste() const override { return false; }

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

// A pair of arrows that step a value; only the user's clicks report a change.
class SpinArrows : public QWidget, public CSpinbutton {
  public:
    static constexpr int kMinimum = 0;
    static constexpr int kMaximum = 100;

    std::function<void()> onChange;

    explicit SpinArrows(QWidget* parent = nullptr);
    int Value() const override { return value_; }
    void SetValue(int value) override;

    QToolButton* upArrow() const { return up_; }
    QToolButton* downArrow() const { return down_; }

  private:
    void Step(int delta);

    int value_ = 0;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace zentabl
