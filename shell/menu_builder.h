#pragma once
// Qt menus built from the core's menu data; each action carries its command id.

#include "platform/popup_menu.h"

#include <QMenu>

class QMenuBar;

namespace zentabl {

// Fills menu with the items, their check marks and greyed states.
void FillMenu(QMenu& menu, const std::vector<PopupMenuItem>& items);
// One top-level menu per submenu item of the bar's data.
void FillMenuBar(QMenuBar& bar, const PopupMenu& data);
// The command id of a chosen action; 0 when none was chosen.
int CommandIdOf(const QAction* action);

} // namespace zentabl
