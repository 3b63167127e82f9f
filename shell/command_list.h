#pragma once
// The command list: a drop-down whose text field shows the group's title or
// the picked row. Picking a row reports a click; the core reads the text.

#include "platform/host.h"

#include <QComboBox>

#include <functional>

namespace zentabl {

class CommandList : public QComboBox, public CMdcCombo {
  public:
    std::function<void()> onClick;

    explicit CommandList(QWidget* parent = nullptr);

    void Clear() override { clear(); }
    void AddItem(const std::string& text) override;
    std::string Text() const override;
    void SetText(const std::string& text) override;
    int SelStart() const override;
    void SetSelStart(int position) override;
    int SelLength() const override;
    void SetSelLength(int length) override;
    void DropDown() override { showPopup(); }

    // Picks a row as a click in the drop-down would.
    void Pick(int row);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace zentabl
