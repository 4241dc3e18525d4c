#pragma once
// The printed overview of one player: the game list as the window shows it,
// landscape, 33 rows a page under the common page header and the column
// heading line.
//
//     overviews::PrintPlayerOverview(Label4()->text(), GameRows());

#include "core/playeroverview.h"

#include <QString>
#include <vector>

namespace overviews {

// Prints the rows (texts as shown) as "Overzicht speler " + the right-trimmed
// caption of the player (initials and name), after the print dialog, and
// reports "Overzicht wordt uitgeprint". Printer errors end it with their
// message. Returns true when the print ran to its end.
bool PrintPlayerOverview(const QString& speler, const std::vector<core::OverviewRow>& rows);

} // namespace overviews
