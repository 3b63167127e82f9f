#include "shell/calculator_window.h"

#include "calculator/control_ids.h"
#include "commands/menu_tables.h"
#include "shell/artwork.h"
#include "shell/command_list.h"
#include "shell/display_box.h"
#include "shell/help_window.h"
#include "shell/menu_builder.h"
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
#include <QVBoxLayout>

namespace zentabl {

namespace {

// Where each button sits: one grid per group, rows top to bottom.
struct KeyPlace {
    int id;
    int row;
    int column;
    int columnSpan = 1;
};

constexpr int Digit(int n) {
    return n == 0 ? IDC_KEY_0 : IDC_KEY_1 + n - 1;
}

// Each line is one row of keys.
// clang-format off
constexpr KeyPlace kKeypad[] = {
    {Digit(7), 0, 0}, {Digit(8), 0, 1},      {Digit(9), 0, 2},      {IDC_KEY_OPEN, 0, 3},        {IDC_KEY_CLOSE, 0, 4},
    {Digit(4), 1, 0}, {Digit(5), 1, 1},      {Digit(6), 1, 2},      {IDC_KEY_COMMA, 1, 3},       {IDC_KEY_BACKSPACE, 1, 4},
    {Digit(1), 2, 0}, {Digit(2), 2, 1},      {Digit(3), 2, 2},      {IDC_KEY_NEXT_COLUMN, 2, 3}, {IDC_CE, 2, 4},
    {Digit(0), 3, 0}, {IDC_KEY_POINT, 3, 1}, {IDC_KEY_MINUS, 3, 2}, {IDC_KEY_NEXT_ROW, 3, 3},    {IDC_SE, 3, 4},
};
constexpr KeyPlace kOperators[] = {
    {IDC_ADD, 0, 0}, {IDC_SUB, 0, 1},       {IDC_MUL, 0, 2},
    {IDC_DIV, 1, 0}, {IDC_POW, 1, 1},       {IDC_INV, 1, 2},
    {IDC_TRN, 2, 0}, {IDC_SGN, 2, 1},       {IDC_ABS, 2, 2},
    {IDC_INT, 3, 0}, {IDC_EQUALS, 3, 1, 2},
};
constexpr KeyPlace kCommands[] = {
    {IDC_PROC, 0, 0},   {IDC_CREATE, 0, 1}, {IDC_MODE, 0, 2},
    {IDC_DISPL, 1, 0},  {IDC_STORE, 1, 1},  {IDC_RECALL, 1, 2},
    {IDC_FORMAT, 2, 0}, {IDC_TEST, 2, 1},   {IDC_FACTOR, 2, 2},
    {IDC_PARSE, 3, 0},  {IDC_CONST, 3, 1},  {IDC_CONV, 3, 2},
};
// clang-format on

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
        *host_, CalculatorControls{*display_, *status_, *commandList_, *widthBox_, *decimalBox_,
                                   *widthSpin_, *decimalSpin_});
    BuildMenuBar();
    WireToCore();

    adjustSize();
    setFixedSize(sizeHint());
    // Where the window will appear, so that the splash can stand over it.
    if (const QScreen* where = screen())
        move(where->availableGeometry().center() - rect().center());
}

CalculatorWindow::~CalculatorWindow() {
    // The dialog talks to the controls until it goes; it goes first.
    dlg_.reset();
}

void CalculatorWindow::Start(bool withSplash) {
    host_->SetSplashEnabled(withSplash);
    dlg_->OnInitDialog();
    show();
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

    auto addGroup = [&](const KeyPlace* places, std::size_t count, int keyWidth) {
        auto* grid = new QGridLayout;
        grid->setSpacing(kKeySpacing);
        for (std::size_t i = 0; i < count; ++i) {
            const KeyPlace& place = places[i];
            const int id = place.id;
            const char* caption = nullptr;
            for (const CalculatorButton& button : kCalculatorButtons)
                if (button.id == id) caption = button.caption;
            auto* key = new QPushButton(QString::fromLatin1(caption), keys);
            // Keys never keep the focus: typing goes on in the display.
            key->setFocusPolicy(Qt::NoFocus);
            key->setAutoDefault(false);
            key->setFixedSize(keyWidth * place.columnSpan + kKeySpacing * (place.columnSpan - 1),
                              kKeyHeight);
            Register(id, key);
            grid->addWidget(key, place.row, place.column, 1, place.columnSpan);
        }
        groups->addLayout(grid);
    };
    addGroup(kKeypad, std::size(kKeypad), 48);
    groups->addWidget(GroupSeparator(keys));
    addGroup(kOperators, std::size(kOperators), 58);
    groups->addWidget(GroupSeparator(keys));
    addGroup(kCommands, std::size(kCommands), 66);
    return keys;
}

// Face and weight are the calculator's; where a face is missing the nearest
// sans face stands in.
void CalculatorWindow::ApplyFonts() {
    QFont keyFont(QStringLiteral("MS Sans Serif"));
    keyFont.setStyleHint(QFont::SansSerif);
    keyFont.setWeight(QFont::Weight(600));
    keyFont.setPointSize(10);
    for (int id = IDC_KEY_1; id <= IDC_TRN; ++id)
        if (QWidget* control = Control(id)) control->setFont(keyFont);
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
    FillMenuBar(*menuBar(), MenuBar());
    connect(menuBar(), &QMenuBar::triggered, this, [this](QAction* action) {
        if (const int id = CommandIdOf(action)) dlg_->OnMenuCommand(id);
    });
}

void CalculatorWindow::WireToCore() {
    for (const CalculatorButton& button : kCalculatorButtons) {
        const int id = button.id;
        connect(Button(id), &QPushButton::clicked, this, [this, id] { dlg_->OnButton(id); });
        if (const char* tip = dlg_->ToolTipText(id))
            Button(id)->setToolTip(QString::fromLatin1(tip));
    }
    for (int id : {IDC_DISPLAY, IDC_COMMAND_LIST})
        if (const char* tip = dlg_->ToolTipText(id))
            Control(id)->setToolTip(QString::fromLatin1(tip));

    display_->onKeyPress = [this](char key) { return dlg_->OnKeyPress(key); };
    display_->onChange = [this] { dlg_->OnDisplayChange(); };
    display_->onMouseUp = [this](int button, int x, int y) {
        dlg_->OnDisplayMouseUp(button, x, y);
    };
    display_->dropsAllowed = [this] { return dlg_->DragDrop(); };
    display_->onDropText = [this](const std::string& text) { dlg_->OnDropText(text); };
    commandList_->onClick = [this] { dlg_->OnCommandListClick(); };
    widthSpin_->onChange = [this] { dlg_->OnSpinChange(IDC_WIDTH_SPIN); };
    decimalSpin_->onChange = [this] { dlg_->OnSpinChange(IDC_DECIMAL_SPIN); };
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
    if (event->type() == QEvent::WindowStateChange && !isMinimized() && dlg_ && !dlg_->IsSetState())
        display_->setFocus(Qt::ActiveWindowFocusReason);
}

// Tool tips show only while the calculator has them switched on.
bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && !host_->ToolTipsEnabled()) return true;
    return QMainWindow::eventFilter(watched, event);
}

} // namespace zentabl
