#pragma once
// The unit conversion dialog: a category box and two unit boxes, all
// editable so a unit can be typed by hand, with OK and Cancel.

#include "platform/host.h"

#include <QDialog>

#include <optional>

class QComboBox;

namespace zentabl {

class ConvertDialog : public QDialog {
  public:
    ConvertDialog(const ConversionDialogContent& content, QWidget* parent);

    // The three texts after OK, nothing after Cancel or Escape.
    std::optional<ConversionChoice> Ask();

    QComboBox* categoryBox() const { return category_; }
    QComboBox* fromBox() const { return from_; }
    QComboBox* toBox() const { return to_; }

  private:
    // Refills both unit boxes with the units of the category named in the
    // category box, showing the pair last used with it; a text that names
    // no category leaves them empty.
    void FillUnitBoxes(const QString& categoryName);

    ConversionDialogContent content_;
    QComboBox* category_;
    QComboBox* from_;
    QComboBox* to_;
};

} // namespace zentabl
