#pragma once
// Qt menus built from the core's menu data; each action carries its command id.

#include "platform/popup_menu.h"

#include <QKeySequence>
#include <QMenu>

#include <functional>

class QMenuBar;

namespace zentabl {

// Fills menu with the items, their check marks and greyed states.
void FillMenu(QMenu& menu, const std::vector<PopupMenuItem>& items);
// One top-level menu per submenu item of the bar's data; each is filled
// again from `current()` when it opens, so its check marks and greyed items
// are those in force.
void FillMenuBar(QMenuBar& bar, const std::function<PopupMenu()>& current);
// The keys that choose a menu item, shown beside its text; empty for none.
QKeySequence ShortcutFor(int commandId);
// The command id of a chosen action; 0 when none was chosen.
int CommandIdOf(const QAction* action);

} // namespace zentabl
