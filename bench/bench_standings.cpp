// ComputeStandings for a poule of 40 players in a results file of 32 000
// records (players file of 2 000), beside a bare buffered read of the same
// two files.
#include "app/modStootplanner.h"
#include "core/recordfile.h"
#include "core/tournamentbuilder.h"
#include "standings/modStand.h"
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

namespace {

QTemporaryDir* g_dir = nullptr;

void writeFiles()
{
    using namespace core;
    g_dir = new QTemporaryDir;
    TournamentBuilder b(g_dir->path(), QStringLiteral("Bench"), 1);
    b.setRound(1, 50);
    const TournamentFileSet f = b.write(false);
    std::vector<SpelerRec> spelers;
    for (int i = 0; i < 2000; ++i) {
        SpelerRec s;
        s.nummer = i + 1;
        s.naam = QStringLiteral("Speler %1").arg(i + 1);
        s.voorletters = QStringLiteral("A.");
        s.ronde = 1;
        s.poule = qint16(i / 40 + 1);   // 50 poules of 40
        s.moyenne = Fixed::fromRaw(10000 + (i % 97) * 100);
        s.teMakenCar = 25;
        spelers.push_back(s);
    }
    std::vector<UitslagRec> uitslagen;
    quint32 seed = 12345;
    auto rnd = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 8) % quint32(n));
    };
    for (int k = 0; k < 32000; ++k) {
        UitslagRec u;
        u.ronde = 1;
        const int p = rnd(50);
        u.poule = qint16(p + 1);
        const int a = p * 40 + rnd(40), c = p * 40 + (rnd(39) + 1 + a % 40) % 40;
        auto side = [&](UitslagSpeler& s, int idx, bool win) {
            s.nummer = idx + 1;
            s.car = qint16(win ? 25 : rnd(25));
            s.beurten = qint16(10 + rnd(30));
            s.hoogsteSerie = qint16(rnd(10));
            s.teMakenCar = 25;
            s.eigenMoyenne = spelers[size_t(idx)].moyenne;
            s.punten = win ? 2 : 0;
            s.uitslagCode = win ? 1 : 3;
        };
        side(u.speler1, a, true);
        side(u.speler2, c, false);
        uitslagen.push_back(u);
    }
    RecordFile<SpelerRec>::writeAll(f.map + f.spelers, spelers);
    RecordFile<UitslagRec>::writeAll(f.map + f.uitslag, uitslagen);
    modStootplanner::SetTournamentFiles(f.map, f.toernooi);
    modStootplanner::Toernooi = b.toernooi;
    modStootplanner::HuidigeRonde = 1;
}

qint64 bareRead()
{
    qint64 sum = 0;
    for (const QString& path : {modStootplanner::PadSpelers(), modStootplanner::PadUitslag()}) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        char buf[65536];
        qint64 n;
        while ((n = f.read(buf, sizeof buf)) > 0)
            for (qint64 i = 0; i < n; i += 55)
                sum += buf[i];
    }
    return sum;
}

void BM_BareRead(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(bareRead());
}
BENCHMARK(BM_BareRead)->Unit(benchmark::kMillisecond);

void BM_ComputeStandings(benchmark::State& state)
{
    for (auto _ : state) {
        modStand::ComputeStandings(7, 1, false);
        benchmark::DoNotOptimize(modStand::StandAantal);
    }
}
BENCHMARK(BM_ComputeStandings)->Unit(benchmark::kMillisecond);

template <class F>
double millis(F&& f, int reps)
{
    f();   // warm the page cache
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < reps; ++i)
        f();
    const auto t1 = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(t1 - t0).count() / reps;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    writeFiles();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    const double bare = millis([] { benchmark::DoNotOptimize(bareRead()); }, 50);
    const double engine = millis([] { modStand::ComputeStandings(7, 1, false); }, 50);
    std::printf("poule of 40, 2000 players, 32000 results\n");
    std::printf("bare buffered read : %8.3f ms\n", bare);
    std::printf("ComputeStandings   : %8.3f ms\n", engine);
    std::printf("ratio              : %8.2f (aim: at most 1.50)\n", engine / bare);
    benchmark::Shutdown();
    delete g_dir;
    return 0;
}
