#include "shell/menu_builder.h"

#include "shell/text_codec.h"

#include <QMenuBar>

namespace zentabl {

void FillMenu(QMenu& menu, const std::vector<PopupMenuItem>& items) {
    for (const PopupMenuItem& item : items) {
        if (item.separator) {
            menu.addSeparator();
            continue;
        }
        if (item.IsSubmenu()) {
            QMenu* sub = menu.addMenu(ToQt(item.text));
            FillMenu(*sub, item.submenu);
            // A checked submenu marks which group of choices is in force.
            sub->menuAction()->setCheckable(item.checked);
            sub->menuAction()->setChecked(item.checked);
            sub->menuAction()->setEnabled(!item.greyed);
            continue;
        }
        QAction* action = menu.addAction(ToQt(item.text));
        action->setData(item.id);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        action->setEnabled(!item.greyed);
    }
}

void FillMenuBar(QMenuBar& bar, const PopupMenu& data) {
    for (const PopupMenuItem& item : data.items) {
        QMenu* menu = bar.addMenu(ToQt(item.text));
        FillMenu(*menu, item.submenu);
    }
}

int CommandIdOf(const QAction* action) {
    return action ? action->data().toInt() : 0;
}

} // namespace zentabl
