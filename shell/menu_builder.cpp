#include "shell/menu_builder.h"

#include "commands/menu_tables.h"
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
        action->setShortcut(ShortcutFor(item.id));
        action->setCheckable(item.checkable || item.checked);
        action->setChecked(item.checked);
        action->setEnabled(!item.greyed);
    }
}

void FillMenuBar(QMenuBar& bar, const std::function<PopupMenu()>& current) {
    const PopupMenu data = current();
    for (std::size_t i = 0; i < data.items.size(); ++i) {
        QMenu* menu = bar.addMenu(ToQt(data.items[i].text));
        FillMenu(*menu, data.items[i].submenu);
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, i, current] {
            menu->clear();
            FillMenu(*menu, current().items.at(i).submenu);
        });
    }
}

// As on any desktop; the item texts themselves stay as the menus write them.
QKeySequence ShortcutFor(int commandId) {
    // Written out rather than taken from the platform's standard keys, which
    // some desktops leave without Quit.
    struct Binding {
        int id;
        const char* keys;
    };
    static const Binding kBindings[] = {
        {ID_EDIT_UNDO, "Ctrl+Z"},
        {ID_FILE_NEW, "Ctrl+N"},
        {ID_FILE_OPEN, "Ctrl+O"},
        {ID_FILE_SAVE, "Ctrl+S"},
        {ID_FILE_PRINT, "Ctrl+P"},
        {ID_HELP_CONTENTS, "F1"},
        {ID_VIEW_PICTURE, "Ctrl+Shift+P"},
        {ID_APP_EXIT, "Ctrl+Q"},
    };
    for (const Binding& binding : kBindings)
        if (binding.id == commandId) return QKeySequence(QString::fromLatin1(binding.keys));
    return {};
}

int CommandIdOf(const QAction* action) {
    return action ? action->data().toInt() : 0;
}

} // namespace zentabl
