#pragma once
// Helpers shared by the standings windows: the engine's outputs as one
// table, and the list views they fill.
#include "core/standview.h"
#include "platform/formgeometry.h"
#include <QList>

class QTreeWidget;
class QWidget;

namespace modStand {

// The outputs of the last ComputeStandings call as one table.
core::Standings CurrentStandings();

// Sets the column captions and widths (twips) of a report-style list; the
// first `leftColumns` columns are left-aligned, the rest right-aligned.
void SetupReportList(QTreeWidget* list, const QStringList& captions, const QList<int>& widthsTwips,
                     int leftColumns);
// Replaces the rows of a list by these lines (text in column 1, sub-items after it).
void FillReportList(QTreeWidget* list, const QList<core::StandLine>& lines);
// The rows of a list in list order, as lines.
QList<core::StandLine> ReportListLines(const QTreeWidget* list);

// Twips to pixels of the screen (15 twips a pixel).
using platform::Px;


} // namespace modStand
