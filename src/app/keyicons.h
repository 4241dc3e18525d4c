#pragma once
// Pictures of the main toolbar keys, drawn here so that the program needs no
// image files: a key whose window brings no icon of its own gets the picture
// that fits its menu item (podium for the standings, grid for the cross
// table, calendar for the planning, clock, help, ...).

#include <QIcon>
#include <QString>

namespace keyicons {

// The picture for the key of a menu item (by the item's name, e.g.
// "mnuOverzichtenStand"); "But02" always gets the closing cross.
QIcon forItem(const QString& item, const QString& key);

}  // namespace keyicons
