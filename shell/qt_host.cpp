#include "shell/qt_host.h"

#include "shell/about_box.h"
#include "shell/convert_dialog.h"
#include "shell/help_window.h"
#include "shell/machine_float_dialog.h"
#include "shell/menu_builder.h"
#include "shell/parse_console.h"
#include "shell/picture_window.h"
#include "shell/prompt_box.h"
#include "shell/qt_printer.h"
#include "shell/solve_dialog.h"
#include "shell/splash_window.h"
#include "shell/steps_window.h"
#include "shell/text_codec.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QWidget>

namespace zentabl {

namespace {
// The calculator's initialisation waits this long with the splash up.
constexpr int kSplashPauseMs = 1500;
// The low bits of the flags choose the buttons, the next ones the icon.
constexpr unsigned kButtonsMask = 0x0Fu;

// A busy cursor would hide that a box, a menu or the console waits for the
// user: while one is up the pointer is an arrow again. When it closes the
// calculator window is the active window again, as a window manager would
// make it; without one the window's shortcuts would wait for a click on it.
// The help window, when open, stays in view above it.
class WhileAsking {
  public:
    WhileAsking(const QtHost& host, QWidget& window, int waitDepth)
        : host_(host), window_(window), busy_(waitDepth > 0) {
        if (busy_) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~WhileAsking() {
        if (busy_) QApplication::restoreOverrideCursor();
        window_.raise();
        window_.activateWindow();
        if (QWidget* help = host_.Help(); help && help->isVisible()) help->raise();
    }
    WhileAsking(const WhileAsking&) = delete;
    WhileAsking& operator=(const WhileAsking&) = delete;

  private:
    const QtHost& host_;
    QWidget& window_;
    bool busy_;
};
} // namespace

QtHost::QtHost(QWidget& window, std::function<QWidget*(int)> controlById)
    : window_(window), controlById_(std::move(controlById)) {}

QtHost::~QtHost() {
    while (waitDepth_ > 0)
        EndWaitCursor();
    delete splash_;
}

int QtHost::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    QMessageBox box(&window_);
    box.setWindowTitle(ToQt(caption));
    box.setText(ToQt(text));
    box.setTextFormat(Qt::PlainText);
    if (flags & MB_ICONSTOP)
        box.setIcon(QMessageBox::Critical);
    else if (flags & MB_ICONINFORMATION)
        box.setIcon(QMessageBox::Information);
    const bool yesNo = (flags & kButtonsMask) == MB_YESNO;
    if (yesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    const WhileAsking asking(*this, window_, waitDepth_);
    const int answer = box.exec();
    if (!yesNo) return IDOK;
    return answer == QMessageBox::Yes ? IDYES : IDNO;
}

std::optional<std::string> QtHost::Prompt(const std::string& label) {
    PromptBox box(ToQt(label), &window_);
    const WhileAsking asking(*this, window_, waitDepth_);
    const std::optional<QString> typed = box.Ask();
    if (!typed) return std::nullopt;
    return FromQt(*typed);
}

void QtHost::MessageBeep(unsigned) {
    QApplication::beep();
}

void QtHost::BeginWaitCursor() {
    ++waitDepth_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtHost::EndWaitCursor() {
    if (waitDepth_ == 0) return;
    --waitDepth_;
    QApplication::restoreOverrideCursor();
}

void QtHost::SetCaption(const std::string& caption) {
    window_.setWindowTitle(ToQt(caption));
}

void QtHost::SetFocusTo(int controlId) {
    if (QWidget* control = controlById_(controlId)) control->setFocus(Qt::OtherFocusReason);
}

int QtHost::TrackPopupMenu(const PopupMenu& menu, int x, int y) {
    QMenu popup(&window_);
    popup.setTitle(ToQt(menu.title));
    FillMenu(popup, menu.items);
    const WhileAsking asking(*this, window_, waitDepth_);
    return CommandIdOf(popup.exec(QPoint(x, y)));
}

ScreenRect QtHost::ControlScreenRect(int controlId) {
    const QWidget* control = controlById_(controlId);
    if (!control) return {};
    const QPoint topLeft = control->mapToGlobal(QPoint(0, 0));
    return {topLeft.x(), topLeft.y(), topLeft.x() + control->width(),
            topLeft.y() + control->height()};
}

ScreenPoint QtHost::ClientToScreen(int controlId, int x, int y) {
    const QWidget* control = controlById_(controlId);
    const QPoint at = control ? control->mapToGlobal(QPoint(x, y)) : QPoint(x, y);
    return {at.x(), at.y()};
}

EvaluatorRun QtHost::RunEvaluator() {
    ParseConsole console(&window_);
    const WhileAsking asking(*this, window_, waitDepth_);
    return console.Run();
}

void QtHost::ShowSplash(int milliseconds) {
    if (!splashEnabled_) return;
    if (!splash_) splash_ = new SplashWindow(&window_);
    splash_->Show(milliseconds);
    splash_->Pause(kSplashPauseMs);
}

void QtHost::ShowAboutBox() {
    AboutBox box(&window_);
    const WhileAsking asking(*this, window_, waitDepth_);
    box.exec();
}

void QtHost::ShowHelp(int context) {
    if (!help_) help_ = new HelpWindow(&window_);
    help_->ShowContext(context);
}

SplashWindow* QtHost::Splash() const {
    return splash_.data();
}

HelpWindow* QtHost::Help() const {
    return help_.data();
}

void QtHost::CloseWindow() {
    window_.close();
}

std::optional<std::string> QtHost::FileDialog(const FileDialogRequest& request) {
    const WhileAsking asking(*this, window_, waitDepth_);
    QFileDialog dialog(&window_);
    dialog.setNameFilter(ToQt(request.filterName));
    dialog.setDefaultSuffix(ToQt(request.defaultExtension));
    if (request.kind == FileDialogRequest::Kind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    // A path is handed to the file system as it names the file there.
    const QByteArray path = QFile::encodeName(dialog.selectedFiles().constFirst());
    return std::string(path.constData(), std::size_t(path.size()));
}

std::unique_ptr<PrinterDevice> QtHost::PrintDialog() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const WhileAsking asking(*this, window_, waitDepth_);
    QPrintDialog dialog(printer.get(), &window_);
    // Every page is printed: the pages are laid out by the calculator.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() != QDialog::Accepted || !printer->isValid()) return nullptr;
    return std::make_unique<QtPrinter>(std::move(printer));
}

std::optional<ConversionChoice> QtHost::ShowConversionDialog(const ConversionDialogContent& content) {
    const WhileAsking asking(*this, window_, waitDepth_);
    ConvertDialog dialog(content, &window_);
    return dialog.Ask();
}

// Help opens the user guide, as Help > Contents does.
void QtHost::ShowMachineFloatDialog(const std::string& report) {
    const WhileAsking asking(*this, window_, waitDepth_);
    MachineFloatDialog dialog(ToQt(report), [this] { ShowHelp(kMachineFloatHelpContext); }, &window_);
    dialog.exec();
}

std::optional<SolveMethod> QtHost::ShowSolveDialog() {
    const WhileAsking asking(*this, window_, waitDepth_);
    SolveDialog dialog([this] { ShowHelp(kSolveHelpContext); }, &window_);
    return dialog.Ask();
}


PictureWindow* QtHost::Picture() const {
    return picture_;
}

void QtHost::ShowPictureWindow(bool show) {
    if (!show) {
        if (picture_) picture_->hide();
        return;
    }
    if (!picture_) {
        picture_ = new PictureWindow(&window_);
        // Beside the calculator, where there is room for it.
        picture_->move(window_.frameGeometry().topRight() + QPoint(8, 0));
    }
    if (pictureSource_) picture_->Follow(pictureSource_());
    picture_->show();
    picture_->raise();
}

bool QtHost::PictureWindowShown() const {
    return picture_ && picture_->isVisible();
}

// The picture redraws once the command has returned and the window has
// shown its result, however many changes the command made.
void QtHost::CurrentMatrixChanged() {
    if (!PictureWindowShown() || pictureRedrawQueued_ || !pictureSource_) return;
    pictureRedrawQueued_ = true;
    QTimer::singleShot(0, picture_, [this] {
        pictureRedrawQueued_ = false;
        if (PictureWindowShown()) picture_->Follow(pictureSource_());
    });
}

// The window stays open beside the calculator, as the help window does.
void QtHost::ShowStepsWindow(const StepsListing& listing) {
    if (!steps_) steps_ = new StepsWindow(&window_);
    steps_->Show(listing);
}

StepsWindow* QtHost::Steps() const {
    return steps_.data();
}

void QtHost::CopyToClipboard(const std::string& text) {
    QApplication::clipboard()->setText(ToQt(text));
}

} // namespace zentabl
