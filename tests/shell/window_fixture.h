#pragma once
// A calculator window in a scratch working directory, with helpers that act
// as a user would: clicking keys, picking command-list rows. Registers are
// files in the working directory, so each window has its own.

#include "calculator/control_ids.h"
#include "commands/buttons.h"
#include "modal_answers.h"
#include "shell/calculator_window.h"
#include "shell/command_list.h"
#include "shell/display_box.h"

#include <QPushButton>
#include <QRectF>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class WindowFixture {
  public:
    WindowFixture();
    ~WindowFixture();

    zentabl::CalculatorWindow& Window() { return *window_; }
    zentabl::DisplayBox& Display() { return window_->Display(); }
    ModalAnswers& Answers() { return answers_; }

    // Clicks the keys named by their captions, separated by blanks:
    // "1 > 2 v 3 > 4 SE".
    void Click(const QString& captions);
    // Picks the row with this text (blanks included) in the command list.
    bool Pick(const QString& row);
    QString DisplayText() const { return window_->Display().toPlainText(); }
    unsigned ForeColor() const { return window_->Display().ForeColor(); }

  private:
    QString previousDir_;
    QTemporaryDir scratch_;
    ModalAnswers answers_;
    std::unique_ptr<zentabl::CalculatorWindow> window_;
};

// The answer to the print dialog that prints to the PDF file `pdf`; the
// printable area, in points, goes to `printable` when it is given.
ModalAnswers::Answer PrintToPdf(const QString& pdf, QRectF* printable = nullptr);

// The item with this command id in a menu bar or menu, submenus included.
QAction* MenuItem(QObject* menus, int id);

// The answer to a popup menu that chooses the item with this id by clicking
// it, opening the submenus on the way.
ModalAnswers::Answer Choose(int id);
