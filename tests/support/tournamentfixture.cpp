#include "tournamentfixture.h"
#include "app/modStootplanner.h"

namespace testsupport {

TournamentFixture::TournamentFixture()
    : m_builder(std::make_unique<core::TournamentBuilder>(m_dir.path()))
{
}

core::TournamentFileSet TournamentFixture::load(bool withResults)
{
    using namespace modStootplanner;
    const core::TournamentFileSet f = m_builder->write(withResults);
    ResetContext();
    SetTournamentFiles(f.map, f.toernooi);
    Toernooi = m_builder->toernooi;
    HuidigeRonde = Toernooi.laatsteRonde;
    AantalPoules = 1;
    if (ReadPoule(HuidigeRonde))
        AantalPoules = Poule.aantalPoules;
    ToernooiGeladen = true;
    return f;
}

} // namespace testsupport
