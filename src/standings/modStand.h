#pragma once
// Module-level standings outputs, filled by ComputeStandings and read by the
// windows right after their call. Rows and positions count from 1.
#include "core/standings.h"
#include <QString>
#include <vector>

namespace modStand {

using core::Fixed;

class StandTabelType {
public:
    Fixed operator()(int rij, int kolom) const { return m_rijen.at(size_t(rij - 1)).at(size_t(kolom)); }
    Fixed& operator()(int rij, int kolom) { return m_rijen.at(size_t(rij - 1)).at(size_t(kolom)); }
    std::vector<core::StandRij> m_rijen;
};

class OneBased {
public:
    template <class T>
    static const T& at(const std::vector<T>& v, int i) { return v.at(size_t(i - 1)); }
};

extern qint16 StandAantal;
extern StandTabelType StandTabel;
extern std::vector<qint16> StandPositie;       // use StandPositieAt(r)
extern std::vector<QString> StandNamen;        // use StandNamenAt(r)
extern std::vector<QString> StandVoorletters;  // use StandVoorlettersAt(r)

inline qint16 StandPositieAt(int r) { return StandPositie.at(size_t(r - 1)); }
inline const QString& StandNamenAt(int r) { return StandNamen.at(size_t(r - 1)); }
inline const QString& StandVoorlettersAt(int r) { return StandVoorletters.at(size_t(r - 1)); }

// The standings window's mode: no for normal, yes for match points.
extern bool MatchpuntenModus;
// Subtitle of the exported standings page.
extern QString StandHtmlTitel;

// Reads the loaded tournament's players and results files afresh. A poule
// without players only sets StandAantal to 0.
void ComputeStandings(qint16 poule, qint16 ronde, bool matchpunten);

} // namespace modStand
