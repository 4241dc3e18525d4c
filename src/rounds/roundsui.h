#pragma once
// Small helpers shared by the windows of the Rondebeheer menu.
#include <QString>
#include "platform/formgeometry.h"
#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;

namespace rounds {

// Twips to pixels at the usual 15 twips a pixel.
using platform::Px;

// Puts the lines into MeldingTekst (CR LF), HelpGroot off, and shows frmHelp.
void ShowHelpLines(const QStringList& lines);

// A report list with the given column captions and widths in twips.
void SetupList(QTreeWidget* list, const QStringList& captions, const QList<int>& widthsTwips, bool checkBoxes);

// The message of a carry-over that stored nothing, with the system's reason.
void ReportNothingCarried(const QString& why);

// A list row that sorts its texts as the list column sort does (case-insensitive).
QTreeWidgetItem* NewListItem(const QStringList& texts);

} // namespace rounds
