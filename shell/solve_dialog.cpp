#include "shell/solve_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zentabl {

namespace {

const char* const kInstructions[] = {
    "To solve the linear system  A x =  b :",
    "1.  Set the matrix A in Register A",
    "2.  Set the vector or matrix b in Register B",
    "3.  Solve  A x = b  by pressing the  OK button ",
    "of this dialog box",
    "4.  Read the solution vector(s)  x  in the display",
    "window.  They will also be stored in Register C.",
    "5.  Check the result by examining the product of",
    "the original matrix and the solution vector(s)",
    "which will be in Register D",
    "6.  Select the preferred method of solving the ",
    "system.",
};

} // namespace

SolveDialog::SolveDialog(std::function<void()> showHelp, QWidget* parent)
    : QDialog(parent),
      gaussJordan_(new QRadioButton(QStringLiteral("Gauss-Jordan Elimination"), this)),
      lu_(new QRadioButton(QStringLiteral("Lower-Upper Decomposition"), this)),
      help_(new QPushButton(QStringLiteral("Help"), this)) {
    setWindowTitle(QStringLiteral("           Solve the Linear System  A x = b   "));
    setModal(true);
    gaussJordan_->setObjectName(QStringLiteral("gaussJordan"));
    lu_->setObjectName(QStringLiteral("lu"));

    auto* layout = new QVBoxLayout(this);
    for (const char* line : kInstructions) {
        auto* label = new QLabel(QString::fromLatin1(line), this);
        label->setTextFormat(Qt::PlainText);
        layout->addWidget(label);
    }
    layout->addSpacing(8);
    layout->addWidget(gaussJordan_);
    layout->addWidget(lu_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->addButton(help_, QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help_, &QPushButton::clicked, this, [showHelp = std::move(showHelp)] { showHelp(); });
    layout->addWidget(buttons);
}

std::optional<SolveMethod> SolveDialog::Ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    if (gaussJordan_->isChecked()) return SolveMethod::GaussJordan;
    if (lu_->isChecked()) return SolveMethod::Lu;
    return SolveMethod::None;
}

} // namespace zentabl
