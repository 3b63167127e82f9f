// Grabs the calculator window showing a set 3 x 3 matrix with its columns
// aligned into a PNG: screenshot OUTPUT.png. Runs on any Qt platform,
// offscreen included.

#include "calculator/control_ids.h"
#include "commands/buttons.h"
#include "commands/menu_tables.h"
#include "shell/calculator_window.h"

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
    // The calculator writes registers into the working directory; keep the
    // caller's directory clean.
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());

    zentabl::CalculatorWindow window;
    window.Start(false);
    // Numbers of different lengths and signs, entered on the keypad as a user
    // would, shown with View > Align Columns on.
    window.Dialog().OnMenuCommand(ID_VIEW_ALIGN_COLUMNS);
    const char* keys = "12.5>-3>0v-1>400>-2.25v7>-0.5>1000";
    for (const char* key = keys; *key; ++key) {
        const char caption[2] = {*key, 0};
        window.Button(ButtonIdForCaption(caption))->click();
    }
    window.Button(IDC_SE)->click();
    QApplication::processEvents();

    if (!window.grab().save(output)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
