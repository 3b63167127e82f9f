#include "shell/prompt_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zentabl {

PromptBox::PromptBox(const QString& label, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), label_(new QLabel(label, this)),
      edit_(new QLineEdit(this)), ok_(new QPushButton(QStringLiteral("OK"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("PromptBox"));
    setModal(true);
    // Without a caption the box needs a visible edge of its own.
    setStyleSheet(QStringLiteral("#PromptBox { border: 1px solid palette(dark); }"));
    label_->setTextFormat(Qt::PlainText);
    edit_->setMinimumWidth(160);
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    cancel_->setAutoDefault(false);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 8, 10, 8);
    row->addWidget(label_);
    row->addWidget(edit_, 1);
    row->addWidget(ok_);
    row->addWidget(cancel_);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    // Cancel, like Escape, is no answer: the command that asked ends.
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    edit_->setFocus();
}

std::optional<QString> PromptBox::Ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return edit_->text();
}

} // namespace zentabl
