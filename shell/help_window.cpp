#include "shell/help_window.h"

#include "shell/version.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

// The guide is compiled into the static shell library, whose resource
// registration the linker would otherwise drop.
static void LoadGuideResource() {
    Q_INIT_RESOURCE(zentabl);
}

namespace zentabl {

QString HelpWindow::GuideText() {
    LoadGuideResource();
    QFile guide(QStringLiteral(":/zentabl/user-guide.md"));
    if (!guide.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(guide.readAll());
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("%1 Help").arg(ProgramName()));
    browser_->setOpenExternalLinks(false);
    browser_->document()->setDocumentMargin(14);
    // The guide's pictures are resources beside it.
    browser_->setSearchPaths({QStringLiteral(":/zentabl")});
    browser_->setMarkdown(GuideText());
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(browser_);
    resize(640, 720);
}

QString HelpWindow::SectionOf(int context) {
    switch (context) {
    case kMachineFloatHelpContext:
        return QStringLiteral("Unit conversion and constants");
    case kSolveHelpContext:
        return QStringLiteral("Solving linear systems");
    default:
        return {};
    }
}

void HelpWindow::ShowContext(int context) {
    show();
    raise();
    activateWindow();
    const QString section = SectionOf(context);
    QTextDocument* guide = browser_->document();
    int top = 0;
    for (QTextBlock block = guide->begin(); block.isValid() && !section.isEmpty();
         block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && block.text() == section) {
            top = qRound(guide->documentLayout()->blockBoundingRect(block).top());
            break;
        }
    }
    browser_->verticalScrollBar()->setValue(top);
}

} // namespace zentabl
