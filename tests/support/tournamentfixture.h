#pragma once
// A tournament in a temporary folder, loaded into the module-level context.
#include "core/tournamentbuilder.h"
#include <QTemporaryDir>
#include <memory>
#include "support/core/bytes_text.h"

namespace testsupport {

class TournamentFixture {
public:
    TournamentFixture();
    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
    core::TournamentBuilder& builder() { return *m_builder; }
    // Writes the files and sets ToernooiMap, the file names, Toernooi,
    // HuidigeRonde (= laatsteRonde) and AantalPoules.
    core::TournamentFileSet load(bool withResults = true);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<core::TournamentBuilder> m_builder;
};

} // namespace testsupport
