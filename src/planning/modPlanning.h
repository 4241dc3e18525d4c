#pragma once
// Module-level state of the table planning: the planning buffer and the
// small helpers shared by the planning windows.
#include "core/planning.h"
#include "platform/formgeometry.h"
#include <QString>
#include <QStringList>

namespace modStootplanner {

// The planning being made, chosen or shown.
extern core::PlanningRec HuidigePlanning;

// 1 + the highest planning number of the loaded tournament (1 without a planning file).
qint16 NextPlanningNumber();

} // namespace modStootplanner

namespace planning {

// Twips to pixels at 15 twips a pixel.
using platform::Px;

// Puts the paragraphs into MeldingTekst (joined by line breaks), sets
// HelpGroot and shows frmHelp.
void ShowHelpParagraphs(const QStringList& paragraphs, bool groot = false);

} // namespace planning
