#include "shell/about_box.h"

#include "shell/artwork.h"
#include "shell/version.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>

namespace zentabl {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About %1").arg(ProgramName()));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap::fromImage(IconImage(64)));
    auto* title =
        new QLabel(QStringLiteral("%1 version %2").arg(ProgramName(), ProgramVersion()), this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    title->setFont(bold);
    auto* line = new QLabel(QStringLiteral("Matrix calculator"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(16);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(title, 0, 1);
    grid->addWidget(line, 1, 1);
    grid->addWidget(buttons, 2, 0, 1, 2);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace zentabl
