#include "scripting/scripted_controls.h"

#include <algorithm>
#include <utility>

#include "calculator/display_text.h"
#include "scripting/scripted_host.h"

void ScriptedText::ReplaceText(std::string text) {
    text_ = std::move(text);
    length_ = PositionCount(text_);
    selStart_ = length_;
    selLength_ = 0;
}

void ScriptedText::SetSelStart(int position) {
    selStart_ = std::clamp(position, 0, length_);
    selLength_ = 0;
}

void ScriptedText::SetSelLength(int length) {
    selLength_ = std::clamp(length, 0, length_ - selStart_);
}

int ScriptedText::CurLine() const {
    return LineOfPosition(text_, selStart_);
}

void ScriptedText::SetFocus() {
    host_.SetFocusTo(id_);
}

std::string ScriptedText::SelectedText() const {
    const std::size_t begin = TextIndexOfPosition(text_, selStart_);
    const std::size_t end = TextIndexOfPosition(text_, selStart_ + selLength_);
    return text_.substr(begin, end - begin);
}

void ScriptedText::ReplaceSelection(const std::string& text) {
    const std::size_t begin = TextIndexOfPosition(text_, selStart_);
    const std::size_t end = TextIndexOfPosition(text_, selStart_ + selLength_);
    text_.replace(begin, end - begin, text);
    length_ = PositionCount(text_);
    selStart_ = PositionOfTextIndex(text_, begin + text.size());
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
        if (selLength_ == 0 && selStart_ > 0) {
            --selStart_;
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
    droppedDown_ = false;
    SetText(row);
}

void ScriptedSpin::SetValue(int value) {
    value_ = std::clamp(value, kMinimum, kMaximum);
}
