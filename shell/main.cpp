// zenwin: the calculator window.

#include "platform/large_blocks.h"
#include "shell/artwork.h"
#include "shell/calculator_window.h"
#include "shell/version.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    KeepLargeBlocksForReuse();
    QApplication app(argc, argv);
    QApplication::setApplicationName(zentabl::ProgramName());
    QApplication::setApplicationVersion(zentabl::ProgramVersion());
    QApplication::setDesktopFileName(QStringLiteral("zentabl"));
    // One look on every desktop, so the keys line up as laid out.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(zentabl::ProgramIcon());

    zentabl::CalculatorWindow window;
    window.Start();
    return app.exec();
}
