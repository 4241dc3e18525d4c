#include "modPlanning.h"
#include "app/modStootplanner.h"
#include "app/shell.h"

namespace modStootplanner {

core::PlanningRec HuidigePlanning;

qint16 NextPlanningNumber() { return core::nextPlanningNumber(PadPlanning()); }

} // namespace modStootplanner

namespace planning {

void ShowHelpParagraphs(const QStringList& paragraphs, bool groot)
{
    modStootplanner::HelpGroot = groot;
    modStootplanner::MeldingTekst = paragraphs.join(QStringLiteral("\r\n"));
    modStootplanner::ShowHelp();
}

} // namespace planning
