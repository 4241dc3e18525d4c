#include "planning.h"
#include "bytes.h"
#include "recordfile.h"
#include <cstring>

namespace core {

int PlanningRec::cellOffset(int tafel, int slot, int kant)
{
    return NamenOffset + ((tafel - 1) + PlanningMaxTafels * (slot - 1)
                          + PlanningMaxTafels * PlanningMaxPartijen * (kant - 1)) * PlanningCellWidth;
}

namespace {
bool inRecord(int tafel, int slot, int kant)
{
    return tafel >= 1 && tafel <= PlanningMaxTafels && slot >= 1 && slot <= PlanningMaxPartijen && kant >= 1
           && kant <= 2;
}
} // namespace

QString PlanningRec::naam(int tafel, int slot, int kant) const
{
    if (!inRecord(tafel, slot, kant))
        return QString();
    return readFieldRaw(namen.constData() + cellOffset(tafel, slot, kant) - NamenOffset, PlanningCellWidth);
}

void PlanningRec::setNaam(int tafel, int slot, int kant, const QString& text)
{
    if (!inRecord(tafel, slot, kant))
        return;
    const QByteArray f = fixedField(text, PlanningCellWidth);
    std::memcpy(namen.data() + cellOffset(tafel, slot, kant) - NamenOffset, f.constData(), PlanningCellWidth);
}

QByteArray PlanningRec::toBytes() const
{
    ByteWriter w(Length);
    w.i16(nummer);
    w.f64(datum);
    w.i16(ronde);
    w.i16(aantalTafels);
    w.i16(aantalPartijen);
    w.i16(startTijdIndex);
    w.i16(intervalIndex);
    QByteArray n = namen.left(NamenLength);
    if (n.size() < NamenLength)
        n.append(QByteArray(NamenLength - n.size(), '\0'));
    w.raw(n);
    return w.bytes();
}

PlanningRec PlanningRec::fromBytes(const char* data)
{
    ByteReader r(data);
    PlanningRec p;
    p.nummer = r.i16();
    p.datum = r.f64();
    p.ronde = r.i16();
    p.aantalTafels = r.i16();
    p.aantalPartijen = r.i16();
    p.startTijdIndex = r.i16();
    p.intervalIndex = r.i16();
    p.namen = r.raw(NamenLength);
    return p;
}

QStringList startTijdTexts()
{
    QStringList out;
    for (int i = 0; i <= 28; ++i) {
        const int m = 8 * 60 + 30 * i;
        out << QStringLiteral("%1.%2").arg(m / 60, 2, 10, QLatin1Char('0')).arg(m % 60, 2, 10, QLatin1Char('0'));
    }
    return out;
}

QStringList intervalTexts()
{
    return {QStringLiteral("kwartier"),     QStringLiteral("half uur"),     QStringLiteral("drie kwartier"),
            QStringLiteral("een uur"),      QStringLiteral("anderhalf uur"), QStringLiteral("twee uur")};
}

int intervalMinutes(int intervalIndex)
{
    static const int m[] = {15, 30, 45, 60, 90, 120};
    return intervalIndex >= 0 && intervalIndex <= 5 ? m[intervalIndex] : 0;
}

int slotStartMinutes(int startTijdIndex, int intervalIndex, int slot)
{
    return 8 * 60 + 30 * startTijdIndex + (slot - 1) * intervalMinutes(intervalIndex);
}

QString slotTimeText(int startTijdIndex, int intervalIndex, int slot)
{
    const int m = ((slotStartMinutes(startTijdIndex, intervalIndex, slot) % 1440) + 1440) % 1440;
    return QStringLiteral("%1:%2").arg(m / 60, 2, 10, QLatin1Char('0')).arg(m % 60, 2, 10, QLatin1Char('0'));
}

bool lastStartAllowed(int startTijdIndex, int intervalIndex, int aantalPartijen)
{
    // Whole minutes are exact where the hours with four decimals were.
    return slotStartMinutes(startTijdIndex, intervalIndex, aantalPartijen) <= 24 * 60;
}

qint16 nextPlanningNumber(const QString& path)
{
    if (!isPlainFile(path))
        return 1;
    qint16 hoogste = 0;
    scanRawRecords(path, PlanningRec::Length, [&](const char* rec) {
        const qint16 n = ByteReader(rec).i16();
        if (n > hoogste)
            hoogste = n;
    });
    return qint16(hoogste + 1 < 1 ? 1 : hoogste + 1);
}

PlanningRec newPlanning(qint16 nummer, double datum, qint16 ronde, qint16 aantalTafels, qint16 aantalPartijen,
                        qint16 startTijdIndex, qint16 intervalIndex)
{
    PlanningRec p;
    p.nummer = nummer;
    p.datum = datum;
    p.ronde = ronde;
    p.aantalTafels = aantalTafels;
    p.aantalPartijen = aantalPartijen;
    p.startTijdIndex = startTijdIndex;
    p.intervalIndex = intervalIndex;
    for (int t = 1; t <= aantalTafels && t <= PlanningMaxTafels; ++t)
        for (int s = 1; s <= aantalPartijen && s <= PlanningMaxPartijen; ++s) {
            p.setNaam(t, s, 1, QString());
            p.setNaam(t, s, 2, QString());
        }
    return p;
}

qint64 appendPlanning(const QString& path, const PlanningRec& rec, QString* why)
{
    return RecordFile<PlanningRec>::append(path, rec, why);
}

std::optional<FoundPlanning> findPlanning(const QString& path, qint16 nummer)
{
    std::optional<FoundPlanning> found;
    RecordFile<PlanningRec>::scan(path, [&](const PlanningRec& r, qint64 k) {
        if (r.nummer != nummer)
            return true;
        found = FoundPlanning{r, k};
        return false;
    });
    return found;
}

int cellElement(int tafel, int slot, int kant, int aantalPartijen)
{
    const int c = (tafel - 1) * aantalPartijen + slot;
    return kant == 1 ? 2 * c - 1 : 2 * c;
}

namespace {
// Table and slot counts clamped to what the record can hold.
int tafelsOf(const PlanningRec& r) { return qBound(0, int(r.aantalTafels), PlanningMaxTafels); }
int partijenOf(const PlanningRec& r) { return qBound(0, int(r.aantalPartijen), PlanningMaxPartijen); }
} // namespace

QStringList cellCaptions(const PlanningRec& rec)
{
    QStringList out;
    const int tafels = tafelsOf(rec), partijen = partijenOf(rec);
    for (int t = 1; t <= tafels; ++t)
        for (int s = 1; s <= partijen; ++s)
            out << rec.naam(t, s, 1) << rec.naam(t, s, 2);
    return out;
}

QString storedCellText(const QString& caption)
{
    // Blanks only: a tab or other white space is part of the text.
    qsizetype b = 0, e = caption.size();
    while (b < e && caption.at(b) == QLatin1Char(' '))
        ++b;
    while (e > b && caption.at(e - 1) == QLatin1Char(' '))
        --e;
    return caption.mid(b, e - b).left(PlanningCellWidth);
}

void applyCellCaptions(PlanningRec& rec, const QStringList& captions)
{
    const int tafels = tafelsOf(rec), partijen = partijenOf(rec);
    for (int t = 1; t <= tafels; ++t)
        for (int s = 1; s <= partijen; ++s)
            for (int k = 1; k <= 2; ++k) {
                const int e = cellElement(t, s, k, partijen);
                rec.setNaam(t, s, k, storedCellText(e <= captions.size() ? captions.at(e - 1) : QString()));
            }
}

SaveResult savePlanningCells(const QString& path, qint16 nummer, const QStringList& captions, PlanningRec* saved,
                             QString* why)
{
    if (!isPlainFile(path))
        return SaveResult::FileMissing;
    std::optional<FoundPlanning> found = findPlanning(path, nummer);
    if (!found)
        return SaveResult::NotFound;
    applyCellCaptions(found->rec, captions);
    if (saved)
        *saved = found->rec;
    return RecordFile<PlanningRec>::write(path, found->recordNumber, found->rec, why) ? SaveResult::Saved
                                                                                 : SaveResult::WriteFailed;
}

QString pouleListEntry(const SpelerRec& speler)
{
    QString naam = speler.naam.left(11);
    while (naam.endsWith(QLatin1Char(' ')))
        naam.chop(1);
    const qint16 doel = speler.aangepastTeMakenCar != 0 ? speler.aangepastTeMakenCar : speler.teMakenCar;
    return naam + QLatin1Char(',') + speler.voorletters.left(1) + QStringLiteral(" (") + QString::number(doel)
           + QLatin1Char(')');
}

QStringList pouleListEntries(const QString& spelersPath, qint16 poule, qint16 ronde)
{
    QStringList out;
    scanRawRecords(spelersPath, SpelerRec::Length, [&](const char* data) {
        const SpelerRec s = SpelerRec::fromBytes(data);
        if (s.poule == poule && s.ronde == ronde)
            out << pouleListEntry(s);
    });
    return out;
}

QList<int> usedTables(int aantalTafels, int aantalPartijen, const QStringList& captions)
{
    auto filled = [&](int e) {
        if (e < 1 || e > captions.size())
            return false;
        QString c = captions.at(e - 1);
        while (c.endsWith(QLatin1Char(' ')))
            c.chop(1);
        return !c.isEmpty();
    };
    QList<int> used;
    for (int t = 1; t <= aantalTafels; ++t)
        for (int s = 1; s <= aantalPartijen; ++s)
            if (filled(cellElement(t, s, 1, aantalPartijen)) || filled(cellElement(t, s, 2, aantalPartijen))) {
                used << t;
                break;
            }
    return used;
}

QList<QList<int>> printBlocks(int aantalTafels, const QList<int>& used, int perBlock)
{
    QList<QList<int>> blocks;
    QList<int> block;
    for (int t = 1; t <= aantalTafels; ++t) {
        if (used.contains(t))
            block << t;
        if (int(block.size()) == perBlock || t == aantalTafels) {
            if (block.isEmpty())
                break;
            blocks << block;
            block.clear();
        }
    }
    return blocks;
}

bool printLandscape(int aantalPartijen) { return aantalPartijen <= 15; }

} // namespace core
