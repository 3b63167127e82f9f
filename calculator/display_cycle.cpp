// The display cycle: typed text becomes the current matrix (SE), the current
// matrix becomes text again (ShowCurrentMatrix), and the status line.

#include <algorithm>

#include "archive/packed_matrix.h"
#include "calculator/calculator_dlg.h"
#include "calculator/control_ids.h"
#include "calculator/display_text.h"
#include "exact/fraction_text.h"
#include "calculator/notation_entry.h"
#include "matrixtext/matrix_text.h"
#include "matrixtext/spreadsheet_text.h"
#include "matrixlib/ztmath.h"
#include "platform/text_fingerprint.h"

namespace {

constexpr char kCaption[] = " Zentabl";
constexpr char kDocumentCaptionSeparator[] = " - ";
constexpr char kSyntaxErrorCaption[] = "Syntax Error";
constexpr char kRealModeSegment[] = "Mode: Real     ";
constexpr char kComplexModeSegment[] = "Mode: Complex  ";
constexpr char kRegisterSegment[] = "   Var: ";
constexpr char kClearedRegisterSegment[] = "  Var: ";
constexpr const char* kMultiplySegments[] = {"   Mult: Scalar", "   Mult: Kron", "   Mult: Matrix",
                                             "   Mult: Schurr"};
constexpr char kRadixSegment[] = "  Rdx:";

// The width of a complex field is the width setting less the four characters
// "(", ", " and ")" around each pair.
constexpr int kComplexFieldReduction = 4;

constexpr char kNoticeSeparator[] = "    ";
constexpr char kTabSeparatedNotice[] = "Read as tab-separated rows";
constexpr char kNotationNotice[] = "Read as ";
constexpr const char* kPendingSymbols[kPendingOperationCount] = {
    "+", "-", "*", "/", "Concat Diag", "Concat Horiz", "Concat Vert", "Dot Product", "Cross Product"};

// Says what a reading did with numbers the text did not hold in a rectangle.
std::string ReadingNoticeText(const EntryReading& reading, bool complexMode) {
    const auto rows = static_cast<std::size_t>(reading.matrix.Nrows());
    const auto columns = static_cast<std::size_t>(reading.matrix.Ncols()) / (complexMode ? 2 : 1);
    const std::string shape = "Read as " + std::to_string(rows) + " x " + std::to_string(columns);
    const std::size_t kept = rows * columns;
    if (reading.numbers > kept) {
        const std::size_t ignored = reading.numbers - kept;
        return shape + "; " + std::to_string(ignored) + (ignored == 1 ? " number" : " numbers") +
               " ignored";
    }
    if (reading.raggedRows) return shape + " from rows of different lengths";
    return "";
}

} // namespace

std::string CCalculatorDlg::PendingNotice() const {
    std::string text;
    for (int index = 0; index < kPendingOperationCount; ++index)
        if (pending_[index]) text += std::string(text.empty() ? "Pending: " : " ") + kPendingSymbols[index];
    return text;
}

void CCalculatorDlg::UpdateNotice() {
    if (readingNoticeChanges_ != currentChanges_) readingNotice_.clear();
    std::string text;
    for (const std::string& part : {readingNotice_, resultNotice_, PendingNotice()}) {
        if (part.empty()) continue;
        if (!text.empty()) text += kNoticeSeparator;
        text += part;
    }
    if (controls_.notice.Caption() != text) controls_.notice.SetCaption(text);
    controls_.notice.SetWarning(resultNoticeWarns_ && !resultNotice_.empty());
}

void CCalculatorDlg::ShowResultNotice(const std::string& text, bool warning) {
    resultNotice_ = text;
    resultNoticeWarns_ = warning;
    resultNoticeSetInFrame_ = true;
}

NEWMAT::Matrix CCalculatorDlg::GetCurrentMatrix() const {
    return UnpackMatrix(current_);
}

void CCalculatorDlg::SetCurrentMatrix(const NEWMAT::Matrix& matrix) {
    KeepCurrentForRollback();
    PackMatrix(matrix, current_);
    ++currentChanges_;
}

void CCalculatorDlg::KeepCurrentForRollback() {
    if (frameDepth_ == 0 || currentBeforeFrame_) return;
    changesBeforeFrame_ = currentChanges_;
    currentBeforeFrame_ = std::move(current_);
    current_ = Packed{0.0, 0.0};
}

// While the display still shows the old matrix the counter goes back with
// it; once the new one was shown it moves past both, so the frame shows the
// old one again.
void CCalculatorDlg::RollBackCurrent() {
    if (!currentBeforeFrame_) return;
    current_ = std::move(*currentBeforeFrame_);
    currentBeforeFrame_.reset();
    currentChanges_ = shownChanges_ == changesBeforeFrame_
                          ? changesBeforeFrame_
                          : std::max(currentChanges_, shownChanges_) + 1;
}

unsigned long CCalculatorDlg::CurrentMatrixChanges() const {
    return currentChanges_;
}

bool CCalculatorDlg::HasCurrentMatrix() const {
    // Read from the counts: unpacking a large matrix only to test its shape
    // would copy all of it.
    const PackedShape shape = ShapeOfPacked(current_);
    return shape.rows > 0 && shape.columns > 0;
}

const std::string& CCalculatorDlg::EntryText() const {
    return entryText_;
}

bool CCalculatorDlg::IsSetState() const {
    return controls_.display.ForeColor() == kSetColor;
}

void CCalculatorDlg::EnterSetState() {
    Display().SetForeColor(kSetColor);
}

void CCalculatorDlg::EnterEditingState() {
    Display().SetForeColor(kEditingColor);
}

// A shown set matrix keeps typed keys away from its text; an operator's cue
// invites the second operand, so the display takes the keys then.
void CCalculatorDlg::MoveFocusByEntryState() {
    if (IsSetState() && !ShowsOperatorCue())
        host_.SetFocusTo(IDC_OPTIONS_CAPTION);
    else
        Display().SetFocus();
}

void CCalculatorDlg::ResetCaption() {
    host_.SetCaption(kCaption);
    captionNamesDocument_ = false;
}

void CCalculatorDlg::ShowDocumentCaption(const std::string& documentName) {
    host_.SetCaption(kCaption + std::string(kDocumentCaptionSeparator) + documentName);
    captionNamesDocument_ = true;
}

void CCalculatorDlg::SetDisplayText(const std::string& text) {
    Display().SetText(text);
    FollowDisplay();
}

void CCalculatorDlg::ShowCurrentMatrix() {
    ShowMatrix(GetCurrentMatrix());
}

void CCalculatorDlg::ShowMatrix(const NEWMAT::Matrix& matrix) {
    const bool changedSinceShown = shownChanges_ != currentChanges_;
    shownChanges_ = currentChanges_;
    if (!Exist(matrix)) {
        // A matrix that has just been emptied is no longer on show. Otherwise
        // the display keeps what it holds: the user's typing.
        if (changedSinceShown) {
            entryText_.clear();
            Display().SetText(entryText_);
            Display().SetForeColor(kEditingColor);
        }
        return;
    }
    const ColumnLayout columns = alignColumns_ ? ColumnLayout::Aligned : ColumnLayout::AsWritten;
    if (complexMode_) {
        // Complex elements keep their decimals under Fraction.
        if (matrix.Ncols() % 2 != 0) return;
        entryText_ = FormatComplex(matrix, width_ - kComplexFieldReduction, decimals_, columns);
    } else if (format_ == NumberFormat::Fraction) {
        entryText_ = FormatFraction(matrix, width_, columns);
    } else if (exponentFlag_) {
        entryText_ = FormatExponential(matrix, width_, decimals_, columns);
    } else {
        entryText_ = FormatFixed(matrix, width_, decimals_, radix_, columns);
    }
    shownTextHash_ = TextFingerprint(entryText_);
    Display().SetText(entryText_);
}

void CCalculatorDlg::ClearCalculator() {
    SetCurrentMatrix(NEWMAT::Matrix());
    entryText_.clear();
    Display().SetText(entryText_);
    UpdateStatusLine(status::Register, status::Cleared);
    ResetCaption();
    EnterEditingState();
    Display().SetFocus();
}

void CCalculatorDlg::InsertKey(char key) {
    InsertText(std::string(1, key));
}

void CCalculatorDlg::InsertNextRow() {
    InsertText("\r\n");
}

// The display counts a line break as one position where the entry text holds
// CR LF, so the insertion point is found by walking the text rather than by
// adding the caret's line to its position, which a lone CR or LF would upset.
void CCalculatorDlg::AppendToEntryText(const std::string& text) {
    if (ShowsOperatorCue()) entryText_.clear();
    entryText_ += text;
    Display().SetForeColor(kEditingColor);
    Display().SetText(entryText_);
    Display().SetFocus();
}

void CCalculatorDlg::InsertText(const std::string& text) {
    // After Add, Sub, Mul or Div the display shows the operator's cue; the
    // first key typed then starts the second operand, as on a pocket
    // calculator, instead of being appended to the cue (which would never
    // read as a matrix).
    if (ShowsOperatorCue()) {
        entryText_.clear();
        Display().SetText(entryText_);
    }
    caretPosition_ = Display().SelStart();
    if (caretPosition_ >= 0 && static_cast<size_t>(caretPosition_) == entryText_.size()) {
        entryText_ += text;
        Display().SetText(entryText_);
    } else {
        entryText_.insert(TextIndexOfPosition(entryText_, caretPosition_), text);
        ++caretPosition_;
        Display().SetText(entryText_);
        Display().SetSelStart(caretPosition_);
    }
    EnterEditingState();
    Display().SetFocus();
}

void CCalculatorDlg::Backspace() {
    // An operator's cue goes as a whole: it is not text to be edited.
    if (ShowsOperatorCue())
        entryText_.clear();
    else if (!entryText_.empty())
        entryText_.erase(LastCharacterIndex(entryText_));
    EnterEditingState();
    Display().SetText(entryText_);
    Display().SetFocus();
}

void CCalculatorDlg::SetEntry() {
    // Letter case does not matter. The entry text itself keeps what was typed,
    // so while nothing is stored it still equals the display. An operator's
    // cue is not the user's text: SE on it is SE on an empty display.
    static const std::string kNoText;
    const std::string& text = ShowsOperatorCue() ? kNoText : entryText_;
    EntryReading reading = ReadEntryText(text, complexMode_);
    // Rows pasted from a spreadsheet hold tabs, which the text format
    // refuses; a rectangle of numbers between them reads all the same.
    const bool tabSeparated = reading.fault.index != kEntryValid && !complexMode_ &&
                              ReadTabSeparated(entryText_, reading.matrix);
    if (tabSeparated) {
        reading.fault = EntryFault{};
        reading.exponent = entryText_.find_first_of("eE") != std::string::npos;
    }
    // Then a matrix written in another tool's notation.
    const std::string notation = reading.fault.index != kEntryValid
                                     ? ReadEntryInNotation(text, complexMode_, reading)
                                     : std::string();
    if (reading.fault.index != kEntryValid) {
        ReportEntryFault(reading.fault.index, reading.fault.at);
        return;
    }
    exponentFlag_ = reading.exponent;
    if (!Exist(reading.matrix)) {
        Display().SetFocus();
        return;
    }
    SetCurrentMatrix(reading.matrix);
    readingNotice_ = tabSeparated        ? kTabSeparatedNotice
                     : !notation.empty() ? kNotationNotice + notation
                                         : ReadingNoticeText(reading, complexMode_);
    readingNoticeChanges_ = currentChanges_;
    EnterSetState();
    ShowMatrix(reading.matrix);
    reading.matrix.CleanUp();
    host_.SetFocusTo(IDC_OPTIONS_CAPTION);
}

bool CCalculatorDlg::SetTypedEntry() {
    if (IsSetState() || ShowsOperatorCue()) return true;
    if (entryText_.find_first_not_of(" \r\n") == std::string::npos) return true;
    // The shown matrix clicked into but unchanged: reading its rounded text
    // back would lose digits.
    if (HasCurrentMatrix() && TextFingerprint(entryText_) == shownTextHash_) return true;
    SetEntry();
    return IsSetState();
}

// The text stays, with the character to fix selected: one typo costs one
// keystroke, not the whole matrix. The current matrix stays as it was.
void CCalculatorDlg::ReportEntryFault(int index, std::size_t at) {
    if (Display().Text() != entryText_) Display().SetText(entryText_);
    Display().SetForeColor(kEditingColor);
    Display().SetSelStart(PositionOfTextIndex(entryText_, at));
    Display().SetSelLength(1);
    host_.MessageBox(SyntaxErrorText(index), kSyntaxErrorCaption, MB_OK);
    Display().SetFocus();
}

void CCalculatorDlg::UpdateStatusLine(int segment, int value) {
    switch (segment) {
    case status::Mode:
        statusSegments_[0] = value == status::ComplexMode ? kComplexModeSegment : kRealModeSegment;
        break;
    case status::Register:
        statusSegments_[1] =
            value == status::Cleared ? kClearedRegisterSegment
                                     : kRegisterSegment + RegisterLetter(registerName_);
        break;
    case status::Multiply:
        if (value >= 1 && value <= 4) statusSegments_[2] = kMultiplySegments[value - 1];
        break;
    case status::Radix:
        statusSegments_[4] = kRadixSegment + std::to_string(radix_);
        break;
    default:
        break;
    }
    std::string line;
    for (const std::string& part : statusSegments_)
        line += part;
    StatusLabel().SetCaption(line);
}
