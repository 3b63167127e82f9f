#include "shell/convert_dialog.h"

#include "shell/text_codec.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace zentabl {

namespace {

QComboBox* EditableBox(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumWidth(180);
    return box;
}

} // namespace

ConvertDialog::ConvertDialog(const ConversionDialogContent& content, QWidget* parent)
    : QDialog(parent), content_(content), category_(EditableBox(this, "category")),
      from_(EditableBox(this, "from")), to_(EditableBox(this, "to")) {
    setWindowTitle(QStringLiteral("Convert Matrix Elements"));
    setModal(true);

    auto* group = new QGroupBox(this);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Convert"), category_);
    form->addRow(QStringLiteral("From"), from_);
    form->addRow(QStringLiteral("To"), to_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);

    for (const ConversionDialogContent::Category& category : content_.categories)
        category_->addItem(ToQt(category.name));
    category_->setCurrentText(ToQt(content_.openCategory));
    FillUnitBoxes(category_->currentText());
    connect(category_, &QComboBox::currentTextChanged, this, &ConvertDialog::FillUnitBoxes);
}

void ConvertDialog::FillUnitBoxes(const QString& categoryName) {
    from_->clear();
    to_->clear();
    const std::string name = FromQt(categoryName);
    for (const ConversionDialogContent::Category& category : content_.categories) {
        if (category.name != name) continue;
        for (const std::string& unit : category.units) {
            from_->addItem(ToQt(unit));
            to_->addItem(ToQt(unit));
        }
        from_->setCurrentText(ToQt(category.from));
        to_->setCurrentText(ToQt(category.to));
        return;
    }
}

std::optional<ConversionChoice> ConvertDialog::Ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return ConversionChoice{FromQt(category_->currentText()), FromQt(from_->currentText()),
                            FromQt(to_->currentText())};
}

} // namespace zentabl
