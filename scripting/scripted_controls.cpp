#include "scripting/scripted_controls.h"

#include <algorithm>
#include <utility>

#include "calculator/display_text.h"
#include "scripting/scripted_host.h"

void ScriptedText::ReplaceText(std::string text) {
    text_ = std::move(text);
    length_ = kNotCounted;
    caretAtEnd_ = true;
    selLength_ = 0;
}

int ScriptedText::SelStart() const {
    return caretAtEnd_ ? TextLength() : selStart_;
}

void ScriptedText::SetSelStart(int position) {
    selStart_ = std::clamp(position, 0, TextLength());
    caretAtEnd_ = false;
    selLength_ = 0;
}

void ScriptedText::SetSelLength(int length) {
    selLength_ = std::clamp(length, 0, TextLength() - SelStart());
}

int ScriptedText::CurLine() const {
    return LineOfPosition(text_, SelStart());
}

int ScriptedText::TextLength() const {
    if (length_ == kNotCounted) length_ = PositionCount(text_);
    return length_;
}

void ScriptedText::SetFocus() {
    host_.SetFocusTo(id_);
}

std::string ScriptedText::SelectedText() const {
    const std::size_t begin = TextIndexOfPosition(text_, SelStart());
    const std::size_t end = TextIndexOfPosition(text_, SelStart() + selLength_);
    return text_.substr(begin, end - begin);
}

void ScriptedText::ReplaceSelection(const std::string& text) {
    const std::size_t begin = TextIndexOfPosition(text_, SelStart());
    const std::size_t end = TextIndexOfPosition(text_, SelStart() + selLength_);
    text_.replace(begin, end - begin, text);
    length_ = kNotCounted;
    selStart_ = PositionOfTextIndex(text_, begin + text.size());
    caretAtEnd_ = false;
    selLength_ = 0;
}

void ScriptedText::Cut() {
    if (selLength_ == 0) return;
    Copy();
    ReplaceSelection("");
}

void ScriptedText::Copy() {
    if (selLength_ > 0) host_.SetClipboard(SelectedText());
}

void ScriptedText::Paste() {
    ReplaceSelection(host_.Clipboard());
}

bool ScriptedText::CanPaste() const {
    return !host_.Clipboard().empty();
}

void ScriptedText::TypeKey(char key) {
    if (key == '\b') {
        const int caret = SelStart();
        if (selLength_ == 0 && caret > 0) {
            SetSelStart(caret - 1);
            selLength_ = 1;
        }
        ReplaceSelection("");
    } else if (key == '\r' || key == '\n') {
        ReplaceSelection("\r\n");
    } else {
        ReplaceSelection(std::string(1, key));
    }
}

void ScriptedCombo::SetText(const std::string& text) {
    text_ = text;
    selStart_ = 0;
    selLength_ = 0;
}

void ScriptedCombo::Pick(const std::string& row) {
    SetText(row);
}

void ScriptedSpin::SetValue(int value) {
    value_ = std::clamp(value, kMinimum, kMaximum);
}
