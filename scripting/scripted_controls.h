#pragma once
// In-memory controls for the scripted host: they hold what a window would
// show, so scripts and tests can read it back.

#include <string>
#include <vector>

#include "platform/host.h"

class ScriptedHost;

class ScriptedText : public CMdcText {
  public:
    ScriptedText(ScriptedHost& host, int controlId) : host_(host), id_(controlId) {}

    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override { ReplaceText(text); }
    // SetText that takes the text over instead of copying it.
    void ReplaceText(std::string text);
    unsigned ForeColor() const override { return color_; }
    void SetForeColor(unsigned color) override { color_ = color; }
    int SelStart() const override;
    void SetSelStart(int position) override;
    int SelLength() const override { return selLength_; }
    void SetSelLength(int length) override;
    int CurLine() const override;
    int TextLength() const override;
    void SetFocus() override;
    void Cut() override;
    void Copy() override;
    void Paste() override;
    bool CanPaste() const override;

    // What the box itself does with a typed key the calculator did not take:
    // Backspace deletes, Enter breaks the line, other keys replace the selection.
    void TypeKey(char key);

  private:
    void ReplaceSelection(const std::string& text);
    std::string SelectedText() const;

    ScriptedHost& host_;
    int id_;
    // Positions are counted when first asked for: a large text set and
    // replaced again is not walked for them.
    static constexpr int kNotCounted = -1;

    std::string text_;
    mutable int length_ = 0; // positions in text_, or kNotCounted
    unsigned color_ = 0;
    int selStart_ = 0;
    bool caretAtEnd_ = false; // then the caret is at length_, whatever selStart_ says
    int selLength_ = 0;
};

class ScriptedCombo : public CMdcCombo {
  public:
    void Clear() override { items_.clear(); }
    void AddItem(const std::string& text) override { items_.push_back(text); }
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override;
    int SelStart() const override { return selStart_; }
    void SetSelStart(int position) override { selStart_ = position; }
    int SelLength() const override { return selLength_; }
    void SetSelLength(int length) override { selLength_ = length; }
    void DropDown() override {}

    const std::vector<std::string>& Items() const { return items_; }
    // Picking a row closes the list and puts the row's text into the field.
    void Pick(const std::string& row);

  private:
    std::vector<std::string> items_;
    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
};

class ScriptedSpin : public CSpinbutton {
  public:
    // The spin buttons' range.
    static constexpr int kMinimum = 0;
    static constexpr int kMaximum = 100;

    int Value() const override { return value_; }
    void SetValue(int value) override;

  private:
    int value_ = 0;
};

class ScriptedLabel : public CLabelControl {
  public:
    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    void SetWarning(bool on) override { warning_ = on; }
    bool Warning() const { return warning_; }

  private:
    std::string caption_;
    bool warning_ = false;
};
