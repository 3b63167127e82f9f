#include "shell/calculator_window.h"

#include "calculator/control_ids.h"
#include "commands/buttons.h"
#include "commands/command_tables.h"
#include "commands/menu_tables.h"
#include "shell/artwork.h"
#include "shell/command_list.h"
#include "shell/display_box.h"
#include "shell/display_undo.h"
#include "shell/help_window.h"
#include "shell/menu_builder.h"
#include "shell/picture_source.h"
#include "shell/qt_host.h"
#include "shell/small_controls.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace zentabl {

namespace {

constexpr int kKeyHeight = 34;
constexpr int kKeySpacing = 4;
constexpr int kDisplayHeight = 270;

QFrame* GroupSeparator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

CalculatorWindow::CalculatorWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("CalculatorWindow"));
    // Movable, minimisable and closable only: no maximise box, no resizing.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(ProgramIcon());

    host_ = std::make_unique<QtHost>(*this, [this](int id) { return Control(id); });
    setCentralWidget(BuildControls());
    ApplyFonts();
    TintKeys();

    dlg_ = std::make_unique<CCalculatorDlg>(
        *host_,
        CalculatorControls{*display_, *status_, *commandList_, *widthBox_, *decimalBox_,
                           *widthSpin_, *decimalSpin_, *notice_},
        CalculatorCommandTables());
    undo_ = std::make_unique<DisplayUndo>(*dlg_, *display_);
    host_->SetPictureSource(PictureSourceOf(*dlg_));
    BuildMenuBar();
    BindKeys();
    WireToCore();

    adjustSize();
    setFixedSize(sizeHint());
    // Where the window will appear, so that the splash can stand over it.
    if (const QScreen* where = screen())
        move(where->availableGeometry().center() - rect().center());
}

CalculatorWindow::~CalculatorWindow() {
    // The dialog talks to the controls until it goes; it goes first.
    undo_.reset();
    dlg_.reset();
}

void CalculatorWindow::Start(bool withSplash) {
    host_->SetSplashEnabled(withSplash);
    dlg_->OnInitDialog();
    show();
    // Started from a terminal or without a window manager the window would
    // otherwise not be the active one, and its keyboard shortcuts would not
    // fire until it was clicked.
    raise();
    activateWindow();
}

QWidget* CalculatorWindow::Control(int controlId) const {
    const auto found = controls_.find(controlId);
    return found == controls_.end() ? nullptr : found->second;
}

QPushButton* CalculatorWindow::Button(int controlId) const {
    return qobject_cast<QPushButton*>(Control(controlId));
}

void CalculatorWindow::Register(int controlId, QWidget* control) {
    controls_[controlId] = control;
    control->setProperty("controlId", controlId);
    control->installEventFilter(this);
}

QWidget* CalculatorWindow::BuildControls() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(10, 8, 10, 10);
    column->setSpacing(6);

    status_ = new StatusLine(central);
    Register(IDC_STATUS, status_);
    column->addWidget(status_);
    // The notice sits in the status line's free right-hand part.
    notice_ = new NoticeLine(status_);
    Register(IDC_NOTICE, notice_);
    auto* statusRow = new QHBoxLayout(status_);
    statusRow->setContentsMargins(0, 0, 6, 0);
    statusRow->addStretch(1);
    statusRow->addWidget(notice_);

    display_ = new DisplayBox(central);
    // As wide as the keys below it.
    display_->setFixedHeight(kDisplayHeight);
    Register(IDC_DISPLAY, display_);
    column->addWidget(display_);

    column->addWidget(BuildOptionsRow());
    column->addSpacing(4);
    column->addWidget(BuildKeys());
    return central;
}

QWidget* CalculatorWindow::BuildOptionsRow() {
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(6);

    auto* options = new QLabel(QStringLiteral("Options"), row);
    // The caption takes the keyboard focus while a set matrix is shown, so
    // that typed keys do not reach the display.
    options->setFocusPolicy(Qt::StrongFocus);
    Register(IDC_OPTIONS_CAPTION, options);
    commandList_ = new CommandList(row);
    Register(IDC_COMMAND_LIST, commandList_);

    auto* width = new QLabel(QStringLiteral("Width"), row);
    Register(IDC_WIDTH_CAPTION, width);
    widthBox_ = new ValueBox(row);
    Register(IDC_WIDTH_BOX, widthBox_);
    widthSpin_ = new SpinArrows(row);
    Register(IDC_WIDTH_SPIN, widthSpin_);

    auto* decimal = new QLabel(QStringLiteral("Decimal"), row);
    Register(IDC_DECIMAL_CAPTION, decimal);
    decimalBox_ = new ValueBox(row);
    Register(IDC_DECIMAL_BOX, decimalBox_);
    decimalSpin_ = new SpinArrows(row);
    Register(IDC_DECIMAL_SPIN, decimalSpin_);

    for (ValueBox* box : {widthBox_, decimalBox_})
        box->setFixedSize(40, 28);
    for (SpinArrows* spin : {widthSpin_, decimalSpin_})
        spin->setFixedHeight(28);
    commandList_->setFixedHeight(28);

    line->addWidget(options);
    line->addWidget(commandList_, 1);
    line->addSpacing(10);
    line->addWidget(width);
    line->addWidget(widthBox_);
    line->addWidget(widthSpin_);
    line->addSpacing(10);
    line->addWidget(decimal);
    line->addWidget(decimalBox_);
    line->addWidget(decimalSpin_);
    return row;
}

QWidget* CalculatorWindow::BuildKeys() {
    auto* keys = new QWidget(this);
    auto* groups = new QHBoxLayout(keys);
    groups->setContentsMargins(0, 0, 0, 0);
    groups->setSpacing(10);

    auto addGroup = [&](KeyGroup group, int keyWidth) {
        auto* grid = new QGridLayout;
        grid->setSpacing(kKeySpacing);
        for (const ButtonRow& button : CalculatorButtons()) {
            const KeyPlace& place = button.place;
            if (place.group != group) continue;
            auto* key = new QPushButton(QString::fromLatin1(button.caption), keys);
            // Keys never keep the focus: typing goes on in the display.
            key->setFocusPolicy(Qt::NoFocus);
            key->setAutoDefault(false);
            key->setFixedSize(keyWidth * place.columnSpan + kKeySpacing * (place.columnSpan - 1),
                              kKeyHeight);
            Register(button.id, key);
            grid->addWidget(key, place.row, place.column, 1, place.columnSpan);
        }
        groups->addLayout(grid);
    };
    addGroup(KeyGroup::Keypad, 48);
    groups->addWidget(GroupSeparator(keys));
    addGroup(KeyGroup::Operators, 58);
    groups->addWidget(GroupSeparator(keys));
    addGroup(KeyGroup::Commands, 66);
    return keys;
}

// Face and weight are the calculator's; where a face is missing the nearest
// sans face stands in.
void CalculatorWindow::ApplyFonts() {
    QFont keyFont(QStringLiteral("MS Sans Serif"));
    keyFont.setStyleHint(QFont::SansSerif);
    keyFont.setWeight(QFont::Weight(600));
    keyFont.setPointSize(10);
    for (const ButtonRow& key : CalculatorButtons())
        Control(key.id)->setFont(keyFont);
    for (int id : {IDC_OPTIONS_CAPTION, IDC_WIDTH_CAPTION, IDC_DECIMAL_CAPTION})
        Control(id)->setFont(keyFont);

    QFont punctuationFont(QStringLiteral("Ariel"));
    punctuationFont.setStyleHint(QFont::SansSerif);
    punctuationFont.setWeight(QFont::Bold);
    punctuationFont.setPointSize(13);
    for (int id : {IDC_KEY_COMMA, IDC_KEY_POINT, IDC_EQUALS, IDC_KEY_MINUS})
        Control(id)->setFont(punctuationFont);
}

// The keys that finish an entry or throw it away stand out from the rest.
void CalculatorWindow::TintKeys() {
    const auto tint = [this](int id, const QColor& colour) {
        QWidget* key = Control(id);
        QPalette shade = key->palette();
        shade.setColor(QPalette::Button, colour);
        key->setPalette(shade);
    };
    tint(IDC_SE, QColor(0xc9, 0xdd, 0xf7));
    tint(IDC_EQUALS, QColor(0xc9, 0xdd, 0xf7));
    tint(IDC_CE, QColor(0xf4, 0xd0, 0xcb));
}

void CalculatorWindow::BuildMenuBar() {
    FillMenuBar(*menuBar(), [this] { return BuildMenu(*FindMenu(IDR_MENU_BAR), *dlg_); });
    connect(menuBar(), &QMenuBar::triggered, this, [this](QAction* action) {
        if (const int id = CommandIdOf(action)) Undoably([this, id] { dlg_->OnMenuCommand(id); });
    });
}

// Keys that work wherever the focus is in the window. The menu bar's items
// carry their own; the Edit popup's Undo and SE have none to carry them.
void CalculatorWindow::BindKeys() {
    auto bind = [this](const QKeySequence& keys, std::function<void()> run) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, std::move(run));
    };
    for (const char* keys : {"Ctrl+Return", "Ctrl+Enter"})
        bind(QKeySequence(QString::fromLatin1(keys)),
             [this] { Undoably([this] { dlg_->OnButton(IDC_SE); }); });
    bind(ShortcutFor(ID_EDIT_UNDO), [this] { Undo(); });
}

void CalculatorWindow::Undoably(const std::function<void()>& action) {
    undo_->Run(UserEdit::Other, action);
}

// As Undo from the Edit popup, which the display's mouse-up ends: the text
// brought back is being typed, not a set matrix.
void CalculatorWindow::Undo() {
    Calculator& core = *dlg_;
    if (!core.CanUndo()) return;
    Undoably([this] { dlg_->OnMenuCommand(ID_EDIT_UNDO); });
    core.EnterEditingState();
    display_->setFocus(Qt::ShortcutFocusReason);
}

void CalculatorWindow::WireToCore() {
    for (const ButtonRow& button : CalculatorButtons()) {
        const int id = button.id;
        connect(Button(id), &QPushButton::clicked, this,
                [this, id] { Undoably([this, id] { dlg_->OnButton(id); }); });
    }
    for (const auto& [id, control] : controls_)
        if (const char* tip = ToolTipText(id)) control->setToolTip(QString::fromLatin1(tip));

    display_->onKeyPress = [this](char key) { return dlg_->OnKeyPress(key); };
    display_->onChange = [this] { dlg_->OnDisplayChange(); };
    display_->onMouseUp = [this](int button, int x, int y) {
        Undoably([this, button, x, y] { dlg_->OnDisplayMouseUp(button, x, y); });
    };
    display_->dropsAllowed = [this] { return dlg_->DragDrop(); };
    display_->onDropText = [this](const std::string& text) { dlg_->OnDropText(text); };
    display_->onDropFile = [this](const std::string& path) { return dlg_->OnDropFile(path); };
    display_->runEdit = [this](UserEdit kind, const std::function<void()>& edit) {
        undo_->Run(kind, edit);
    };
    commandList_->onClick = [this] { Undoably([this] { dlg_->OnCommandListClick(); }); };
    widthSpin_->onChange = [this] { Undoably([this] { dlg_->OnSpinChange(IDC_WIDTH_SPIN); }); };
    decimalSpin_->onChange = [this] { Undoably([this] { dlg_->OnSpinChange(IDC_DECIMAL_SPIN); }); };
    widthBox_->onMouseMove = [this] { dlg_->OnBoxMouseMove(IDC_WIDTH_BOX); };
    decimalBox_->onMouseMove = [this] { dlg_->OnBoxMouseMove(IDC_DECIMAL_BOX); };
}

// Escape never closes the calculator, wherever the focus is.
void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// The help window goes with the calculator.
void CalculatorWindow::closeEvent(QCloseEvent* event) {
    if (QWidget* help = host_->Help()) help->close();
    QMainWindow::closeEvent(event);
}

// Back from the task bar, typing goes on where it left off; a set matrix
// keeps the focus where the core parked it.
void CalculatorWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized() && dlg_ &&
        !static_cast<const Calculator&>(*dlg_).IsSetState())
        display_->setFocus(Qt::ActiveWindowFocusReason);
}

// Tool tips show only while the calculator has them switched on.
bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && !host_->ToolTipsEnabled()) return true;
    return QMainWindow::eventFilter(watched, event);
}

} // namespace zentabl
