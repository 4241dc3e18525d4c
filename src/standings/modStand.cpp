#include "modStand.h"
#include "app/modStootplanner.h"

namespace modStand {

qint16 StandAantal = 0;
StandTabelType StandTabel;
std::vector<qint16> StandPositie;
std::vector<QString> StandNamen;
std::vector<QString> StandVoorletters;
bool MatchpuntenModus = false;
QString StandHtmlTitel;

void ComputeStandings(qint16 poule, qint16 ronde, bool matchpunten)
{
    using namespace modStootplanner;
    core::Standings st = core::computeStandings(PadSpelers(), PadUitslag(), Toernooi, poule, ronde, matchpunten);
    StandAantal = qint16(st.aantal());
    if (StandAantal == 0)
        return;   // earlier outputs stay as they were
    StandTabel.m_rijen = std::move(st.rijen);
    StandPositie = std::move(st.positie);
    StandNamen = std::move(st.namen);
    StandVoorletters = std::move(st.voorletters);
}

} // namespace modStand
