#include "standview.h"
#include "format.h"
#include "recordfile.h"

namespace core {


QString standDecimalText(Fixed v, int aantalDecimalen)
{
    if (aantalDecimalen != 2 && aantalDecimalen != 3)
        return QString();
    return truncatedText(v, aantalDecimalen);
}

QString standWholeText(Fixed v)
{
    return QString::number(v.wholePart());
}

QList<StandLine> standLines(const Standings& s, int n, int aantalDecimalen, bool matchpunten)
{
    QList<StandLine> out;
    n = std::min(n, s.aantal());
    for (int p = 1; p <= n; ++p) {
        int r = -1;
        for (int i = 0; i < n; ++i) {
            if (s.positie.at(size_t(i)) == p) {
                r = i;
                break;
            }
        }
        if (r < 0)
            continue;
        const StandRij& row = s.rijen.at(size_t(r));
        StandLine line;
        line.text = QString::number(p);
        line.sub << rightTrimmed(s.namen.at(size_t(r))) << rightTrimmed(s.voorletters.at(size_t(r))) << standWholeText(row[KolPartijen])
                 << standWholeText(matchpunten ? row[KolMatchPunten] : row[KolPunten])
                 << standWholeText(row[KolCar]) << standWholeText(row[KolBeurten])
                 << standDecimalText(row[KolMoyenne], aantalDecimalen) << standWholeText(row[KolHoogsteSerie])
                 << standDecimalText(row[KolPartijMoyenne], aantalDecimalen)
                 << standDecimalText(row[KolProcentCar], aantalDecimalen)
                 << standDecimalText(row[KolProcentMoy], aantalDecimalen) << standWholeText(row[KolWinst])
                 << standWholeText(row[KolRemise]) << standWholeText(row[KolVerlies]);
        out.append(line);
    }
    return out;
}

HighestRun highestRun(const Standings& s, int n)
{
    HighestRun best;
    n = std::min(n, s.aantal());
    for (int p = 1; p <= n; ++p) {
        for (int i = 0; i < n; ++i) {
            if (s.positie.at(size_t(i)) != p)
                continue;
            const qint64 serie = s.rijen.at(size_t(i))[KolHoogsteSerie].wholePart();
            if (serie > best.serie) {
                best.serie = int(serie);
                best.holder = rightTrimmed(s.namen.at(size_t(i))) + QStringLiteral(", ") + rightTrimmed(s.voorletters.at(size_t(i)));
            }
            break;
        }
    }
    return best;
}

QStringList standColumnCaptions(bool matchpunten)
{
    return {QStringLiteral("Pos"), QStringLiteral("Naam"), QStringLiteral("VL"), QStringLiteral("Prt"),
            matchpunten ? QStringLiteral("MP") : QStringLiteral("Pnt"), QStringLiteral("Car"),
            QStringLiteral("Brt"), QStringLiteral("Moy"), QStringLiteral("HS"), QStringLiteral("P.moy"),
            QStringLiteral("% Car"), QStringLiteral("% Moy"), QStringLiteral("W"), QStringLiteral("R"),
            QStringLiteral("V")};
}

int zoomFontSize(int index)
{
    static const int sizes[ZoomCount] = {8, 12, 16, 20};
    return (index >= 0 && index < ZoomCount) ? sizes[index] : sizes[0];
}

std::array<int, 15> zoomColumnWidths(int index)
{
    // The widths the list is laid out with; the window widens a column whose
    // texts need more room (a long name) at the expense of columns with room to spare.
    static const std::array<int, 15> opening = {500, 2000, 800, 600, 600, 700, 700, 900,
                                                700, 900, 1000, 1000, 600, 600, 600};
    static const std::array<int, 15> widths[ZoomCount] = {
        {500, 2000, 800, 600, 600, 700, 700, 900, 800, 900, 1000, 1000, 600, 600, 600},
        {650, 2400, 800, 600, 720, 840, 840, 1080, 900, 1080, 1200, 1200, 700, 700, 700},
        {800, 2800, 650, 700, 800, 900, 900, 1200, 800, 1350, 1500, 1500, 700, 700, 700},
        {950, 3200, 700, 800, 900, 1050, 1050, 1350, 900, 1600, 1800, 1800, 700, 700, 700},
    };
    if (index >= 0 && index < ZoomCount)
        return widths[index];
    return opening;
}

QByteArray zoomFileBytes(int index)
{
    // A number written by a print-to-file statement: sign position, digits, a blank.
    return QByteArray(" ") + QByteArray::number(index) + QByteArray(" \r\n");
}

int parseZoomFile(const QByteArray& contents)
{
    QByteArray first = contents;
    const qsizetype cr = first.indexOf('\r');
    const qsizetype lf = first.indexOf('\n');
    qsizetype end = first.size();
    if (cr >= 0)
        end = cr;
    if (lf >= 0 && lf < end)
        end = lf;
    first = first.left(end).trimmed();
    bool ok = false;
    const int v = first.toInt(&ok);
    if (!ok || v < 0 || v >= ZoomCount)
        return 0;
    return v;
}

int readZoomFile(const QString& path)
{
    QByteArray start;
    return readFileStart(path, ZoomFileReadLimit, &start) ? parseZoomFile(start) : 0;
}

bool zoomFileHolds(const QString& path, int index)
{
    const QByteArray want = zoomFileBytes(index);
    QByteArray now;
    qint64 size = 0;
    return readFileStart(path, want.size(), &now, &size) && size == want.size() && now == want;
}

bool Carousel::start(int van, int tot)
{
    if (tot <= van)
        return false;
    m_van = van;
    m_tot = tot;
    m_volgende = van;
    return true;
}

int Carousel::tick()
{
    const int nu = m_volgende;
    m_volgende = nu + 1;
    if (m_volgende > m_tot)
        m_volgende = m_van;
    return nu;
}

QString standHtmlTitle(int ronde, int poule, bool matchpunten)
{
    QString s = QStringLiteral("Stand in Ronde ") + signedNum(ronde) + QStringLiteral(" en in Poule ") +
                signedNum(poule);
    if (matchpunten)
        s += QStringLiteral(" op basis van MatchPunten");
    return s;
}

QString standPrintTitle(int ronde, int poule, bool matchpunten)
{
    QString s = QStringLiteral("Stand in ronde ") + signedNum(ronde) + QStringLiteral(" en in poule ") +
                signedNum(poule);
    if (matchpunten)
        s += QStringLiteral(" op basis van Matchpunten");
    return s;
}

} // namespace core
