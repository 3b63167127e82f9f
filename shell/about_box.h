#pragma once

#include <QDialog>

namespace zentabl {

// "About Zentabl": the program's icon, name and version, and OK.
class AboutBox : public QDialog {
  public:
    explicit AboutBox(QWidget* parent);
};

} // namespace zentabl
