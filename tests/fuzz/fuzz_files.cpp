// The planning file and the help data file as their windows read them.
// Input: a byte choosing the file (odd: help), a planning number or the
// search box text, the text of one planning cell, then the file.
#include "core/format.h"
#include "core/helpfile.h"
#include "core/oledate.h"
#include "core/planning.h"
#include "core/recordfile.h"
#include "fuzz_input.h"

using namespace core;

namespace {

void planningFile(fuzz::Input& in)
{
    const qint16 nummer = qint16(in.byte() % 4);
    const QString cell = in.text();
    const QString path = fuzz::scratchFile("p.sta", in.rest());
    nextPlanningNumber(path);
    // The chooser's list: number, date and round of every planning.
    RecordFile<PlanningRec>::scan(path, [](const PlanningRec& p, qint64) {
        dateText(oleDateToDate(p.datum));
        return true;
    });
    const auto found = findPlanning(path, nummer);
    if (!found)
        return;
    const PlanningRec& r = found->rec;
    const int tafels = qBound(0, int(r.aantalTafels), PlanningMaxTafels);
    const int partijen = qBound(0, int(r.aantalPartijen), PlanningMaxPartijen);
    for (int s = 1; s <= partijen; ++s)
        fuzz::check(slotTimeText(r.startTijdIndex, r.intervalIndex, s).size() == 5);
    QStringList captions = cellCaptions(r);
    fuzz::check(captions.size() == 2 * tafels * partijen);
    if (!captions.isEmpty())
        captions[0] = cell;
    PlanningRec saved;
    fuzz::check(savePlanningCells(path, nummer, captions, &saved) == SaveResult::Saved);
    const auto again = findPlanning(path, nummer);
    fuzz::check(again && again->rec.toBytes() == saved.toBytes());
    printBlocks(tafels, usedTables(tafels, partijen, captions), printLandscape(partijen) ? 3 : 2);
}

void helpFile(fuzz::Input& in)
{
    const SearchWords words = splitSearchWords(in.text());
    const QByteArray bytes = in.rest();
    const QString path = fuzz::scratchFile("h.hlp", bytes);
    int shown = 0;
    for (const HelpIndexEntry& e : helpIndex(path))
        if (const auto rec = readHelpRecord(path, e.nummer); rec && ++shown < 20)
            findIgnoringCase(rightTrimmed(rec->tekst), indexSearchText(e.trefwoord));
    for (const HelpHit& h : searchHelpFile(path, words))
        if (const auto rec = readHelpRecord(path, h.nummer))
            wordOccurrences(rec->tekst, words[0]);
    // The text source the help file is made from.
    QString error;
    if (const auto recs = parseHelpTopics(QString::fromUtf8(bytes), &error))
        for (const HelpRec& r : *recs)
            fuzz::check(HelpRec::fromBytes(r.toBytes().constData()) == r);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    (in.byte() & 1) ? helpFile(in) : planningFile(in);
    return 0;
}
