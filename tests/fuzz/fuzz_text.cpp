// The small text readers: "Stootplanner.ini", the club-name file, the zoom
// file "Hulp_size.dat", settings file names and numbers typed into fields.
// Input: a typed text, then one file read as each of the three.
#include "core/carryover.h"
#include "core/format.h"
#include "core/playeroverview.h"
#include "core/standview.h"
#include "core/tournamentfiles.h"
#include "fuzz_input.h"
#include <numeric>

using namespace core;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    const QString typed = in.text();
    const QByteArray file = in.rest();

    if (const auto last = readIni(fuzz::scratchFile(IniFileName, file))) {
        withTrailingSeparator(last->map);
        tournamentNumberFromFileName(last->bestand.trimmed());
    }
    readOrCreateClubnaam(fuzz::scratchFile(ClubnaamFileName, file, !file.isEmpty()));
    const int zoom = parseZoomFile(file);
    // Read from the file as far as a first line needs, no further.
    fuzz::check(readZoomFile(fuzz::scratchFile(ZoomFileName, file)) == parseZoomFile(file.left(ZoomFileReadLimit)));
    fuzz::check(zoom >= 0 && zoom < ZoomCount && parseZoomFile(zoomFileBytes(zoom)) == zoom);

    const int nr = tournamentNumberFromFileName(typed);
    fuzz::check(nr < 0 || typed.endsWith("_ST" + tournamentNumberText(nr) + ".stt", Qt::CaseInsensitive));
    Fixed f, g;
    if (Fixed::parse(typed, &f)) {
        fuzz::check(Fixed::parse(plainNumber(f), &g) && g == f);
        for (int d : {2, 3})
            fuzz::check(Fixed::parse(truncatedText(f, d), &g) && g == f.truncated(d));
    }
    decimalTextDigits(typed);
    for (bool kies : {true, false}) {
        const AutoKeuze k{.kiesAantal = kies, .aantalSpelers = typed, .vastAantalPoules = kies, .aantalPoules = typed,
                          .maxPerPoule = typed};
        if (const AutoPlan p = planAutoCarryOver(k, 3, 40, {10, 20, 10}); p.ok) {
            const std::vector<int> c = pouleCapacities(p.N, p.P, p.S);
            fuzz::check(p.P >= 1 && std::accumulate(c.begin(), c.end(), 0) == p.N);
        }
    }
    return 0;
}
