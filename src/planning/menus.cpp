#include "menus.h"
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "frmKiesPlanning.h"
#include "frmPlanning.h"
#include "frmPlanningStart.h"

using namespace modStootplanner;

namespace planning {

QWidget* OpenBestaandePlanning()
{
    DialoogResultaat = 0;
    {
        frmKiesPlanning kies(mdiHoofd::instance());
        kies.exec();
    }
    if (DialoogResultaat != 1)
        return nullptr;
    return new frmPlanning;
}

} // namespace planning

void registerPlanningMenus(mdiHoofd& hoofd)
{
    mdiHoofd::MenuAction nieuw;
    nieuw.item = QStringLiteral("mnuPlanningNieuw");
    nieuw.caption = QStringLiteral("Nieuwe planning maken");
    nieuw.group = 7;
    nieuw.run = [] {
        frmPlanningStart d(mdiHoofd::instance());
        d.exec();
    };
    hoofd.registerMenuAction(nieuw);

    mdiHoofd::MenuWindow bestaand;
    bestaand.item = QStringLiteral("mnuPlanningBestaand");
    bestaand.caption = QStringLiteral("Naar bestaande planning");
    bestaand.group = 7;
    bestaand.key = QStringLiteral("But14");
    bestaand.keyTip = QStringLiteral("Planning");
    bestaand.checks = FilePlanning;
    bestaand.open = [] { return planning::OpenBestaandePlanning(); };
    hoofd.registerMenuWindow(bestaand);
}
