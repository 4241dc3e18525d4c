#include "composition.h"

#include "help/menus.h"
#include "overviews/menus.h"
#include "planning/menus.h"
#include "rounds/menus.h"
#include "standings/menus.h"

// The parts that manage the tournament itself, its poules and its results
// plug in here as soon as they are part of the program.
#if __has_include("tournament/menus.h")
#include "tournament/menus.h"
#define HAVE_TOURNAMENT_MENUS 1
#endif
#if __has_include("poules/menus.h")
#include "poules/menus.h"
#define HAVE_POULES_MENUS 1
#endif
#if __has_include("results/menus.h")
#include "results/menus.h"
#define HAVE_RESULTS_MENUS 1
#endif

namespace composition {

void RegisterMenus(mdiHoofd& hoofd)
{
#ifdef HAVE_TOURNAMENT_MENUS
    registerTournamentMenus(hoofd);
#endif
#ifdef HAVE_POULES_MENUS
    registerPoulesMenus(hoofd);
#endif
#ifdef HAVE_RESULTS_MENUS
    registerResultsMenus(hoofd);
#endif
    registerRoundsMenus(hoofd);
    registerStandingsMenus(hoofd);
    registerOverviewsMenus(hoofd);
    registerPlanningMenus(hoofd);
    registerHelpMenus(hoofd);
}

}  // namespace composition
