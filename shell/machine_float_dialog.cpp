#include "shell/machine_float_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentabl {

MachineFloatDialog::MachineFloatDialog(const QString& report, std::function<void()> showHelp,
                                       QWidget* parent)
    : QDialog(parent), report_(new QLabel(report, this)),
      help_(new QPushButton(QStringLiteral("&Help"), this)) {
    setWindowTitle(QStringLiteral("Machine Float Characteristics"));
    setModal(true);
    report_->setTextFormat(Qt::PlainText);
    // The values are aligned by blanks, which only a fixed font keeps.
    report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->addButton(help_, QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(help_, &QPushButton::clicked, this, [showHelp = std::move(showHelp)] { showHelp(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(report_);
    layout->addWidget(buttons);
}

} // namespace zentabl
