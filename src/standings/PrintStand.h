#pragma once
// The printed standings list (landscape, 28 rows a page) and the printed
// list of poule winners (portrait, 49 lines a page).
#include "core/standview.h"
#include <QList>
#include <QStringList>

namespace modStand {

// The column-title lines of the standings print at the current position,
// 12 pt bold; bold is switched off again.
void PrintStandHeaderPnt();
void PrintStandHeaderMP();

// Prints the lines of the standings window's list for poule `poule` of
// HuidigeRonde in MatchpuntenModus, after the print dialog, and reports
// "Stand wordt uitgeprint". Printer errors end it with their message.
// Returns true when the print ran to its end.
bool PrintStandLines(const QList<core::StandLine>& rijen, qint16 poule);

// One line of the winners list: "Nr", "Naam", "VL", "Poule", "Plaats",
// "Pnt", "Moy", "% Car", "% Moy", as the list holds them.
using WinnerLine = QStringList;
// Prints the winners list as "Overzicht poulewinnaars" and reports
// "Lijstje wordt uitgeprint". Returns true when the print ran to its end.
bool PrintWinnersLines(const QList<WinnerLine>& regels);

// A shown number text read as a number (either decimal separator); 0 when it is none.
double NumberOfText(const QString& text);

} // namespace modStand
