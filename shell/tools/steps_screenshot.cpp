// Grabs the Steps window after an exact Inv under Format > Fraction
// into a PNG: steps_screenshot OUTPUT.png. Runs on any Qt platform,
// offscreen included.

#include "calculator/control_ids.h"
#include "commands/buttons.h"
#include "commands/menu_tables.h"
#include "shell/calculator_window.h"
#include "shell/qt_host.h"
#include "shell/steps_window.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QString output = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1]));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());

    zentabl::CalculatorWindow window;
    window.Start(false);
    CCalculatorDlg& dlg = window.Dialog();
    dlg.OnMenuCommand(ID_FORMAT_FRACTION);
    const char* keys = "2>1>-1v-3>-1>2v-2>1>2";
    for (const char* key = keys; *key; ++key) {
        const char caption[2] = {*key, 0};
        window.Button(ButtonIdForCaption(caption))->click();
    }
    window.Button(IDC_SE)->click();
    window.Button(IDC_INV)->click();
    dlg.OnMenuCommand(ID_VIEW_STEPS);
    QApplication::processEvents();
    zentabl::StepsWindow* steps = window.Host().Steps();
    if (!steps) {
        std::fprintf(stderr, "no steps window\n");
        return 1;
    }
    steps->resize(460, 620);
    QApplication::processEvents();
    if (!steps->grab().save(output)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
