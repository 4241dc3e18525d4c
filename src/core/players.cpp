#include "players.h"
#include "recordfile.h"
#include <algorithm>

namespace core {

qint16 caramboleTarget(Fixed moyenne, const ToernooiRec& t)
{
    // Exact product at scale 10^8, so boundaries such as 2.5 are not lost in a double.
    const __int128 scale = __int128(Fixed::Scale) * Fixed::Scale;
    // Far beyond the field's range only the clamp below matters, so the
    // product is bounded first to keep the rounding within 64 bits.
    const __int128 grens = scale * (__int128(1) << 40);
    const __int128 p = std::clamp(__int128(moyenne.raw) * t.carFactor.raw, -grens, grens);
    __int128 q = p / scale, r = p % scale;
    if (r < 0) { r += scale; q -= 1; }   // floor
    qint64 v;
    switch (t.carAfronding) {
    case 1:
        // Nearest after adding 0.0000001 (10 at this scale).
        v = roundHalfEven128(p + 10, scale);
        break;
    case 2:
        v = qint64(r == 0 ? q : q + 1);
        break;
    case 3:
        v = qint64(q);
        break;
    default:
        return 0;
    }
    // A target is stored in a 16-bit field: a huge moyenne must not wrap to a negative one.
    return qint16(std::clamp<qint64>(v + t.carOptellen, 0, 32767));
}

int countPlayersInPoule(const QString& spelersPath, int poule, int ronde)
{
    int n = 0;
    RecordFile<SpelerRec>::scan(spelersPath, [&](const SpelerRec& s, qint64) {
        if (s.poule == poule && s.ronde == ronde)
            ++n;
        return true;
    });
    return n;
}

LookupStatus findFirstPlayer(const QString& spelersPath, qint32 nummer, SpelerRec* found,
                             SpelerRec* lastRead)
{
    if (!isPlainFile(spelersPath))
        return LookupStatus::FileMissing;
    LookupStatus st = LookupStatus::NotInFile;
    RecordFile<SpelerRec>::scan(spelersPath, [&](const SpelerRec& s, qint64) {
        if (lastRead)
            *lastRead = s;
        if (s.nummer == nummer) {
            if (found)
                *found = s;
            st = LookupStatus::Found;
            return false;
        }
        return true;
    });
    return st;
}

QString playerFullName(const QString& spelersPath, qint32 nummer, SpelerRec* lastRead)
{
    SpelerRec s;
    switch (findFirstPlayer(spelersPath, nummer, &s, lastRead)) {
    case LookupStatus::FileMissing: return QStringLiteral("Bestaat niet !");
    case LookupStatus::NotInFile: return QString();
    case LookupStatus::Found: break;
    }
    return s.naam + QStringLiteral(", ") + s.voorletters;
}

QString playerName(const QString& spelersPath, qint32 nummer, SpelerRec* lastRead)
{
    SpelerRec s;
    switch (findFirstPlayer(spelersPath, nummer, &s, lastRead)) {
    case LookupStatus::FileMissing: return QStringLiteral("Bestaat niet !");
    case LookupStatus::NotInFile: return QString();
    case LookupStatus::Found: break;
    }
    return s.naam;
}

QString playerInitials(const QString& spelersPath, qint32 nummer, SpelerRec* lastRead)
{
    SpelerRec s;
    switch (findFirstPlayer(spelersPath, nummer, &s, lastRead)) {
    case LookupStatus::FileMissing: return QStringLiteral("??");
    case LookupStatus::NotInFile: return QString();
    case LookupStatus::Found: break;
    }
    return s.voorletters;
}

} // namespace core
