#pragma once
// A tournament in a temporary folder, loaded into the module-level context.
#include "app/modStootplanner.h"
#include "core/tournamentbuilder.h"
#include "support/core/bytes_text.h"
#include <QTemporaryDir>
#include <memory>

namespace testsupport {

class TournamentFixture {
public:
    TournamentFixture() : m_builder(std::make_unique<core::TournamentBuilder>(m_dir.path())) {}
    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
    core::TournamentBuilder& builder() { return *m_builder; }
    // Writes the files and sets ToernooiMap, the file names, Toernooi,
    // HuidigeRonde (= laatsteRonde) and AantalPoules.
    core::TournamentFileSet load(bool withResults = true)
    {
        using namespace modStootplanner;
        const core::TournamentFileSet f = m_builder->write(withResults);
        ResetContext();
        SetTournamentFiles(f.map, f.toernooi);
        Toernooi = m_builder->toernooi;
        HuidigeRonde = Toernooi.laatsteRonde;
        AantalPoules = ReadPoule(HuidigeRonde) ? Poule.aantalPoules : 1;
        ToernooiGeladen = true;
        return f;
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<core::TournamentBuilder> m_builder;
};

} // namespace testsupport
