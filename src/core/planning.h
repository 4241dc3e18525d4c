#pragma once
// Table plannings: the planning file's record and the rules of making,
// finding, filling and printing a planning. No widgets.
#include "records.h"
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace core {

constexpr int PlanningMaxTafels = 10;
constexpr int PlanningMaxPartijen = 30;
constexpr int PlanningCellWidth = 20;

// One planning: tables against time slots of one day, two names a game.
// 12020 bytes on disk, packed little-endian:
//   0 nummer i16, 2 datum f64, 10 ronde i16, 12 aantalTafels i16,
//   14 aantalPartijen i16, 16 startTijdIndex i16, 18 intervalIndex i16,
//   20 namen: 600 texts of 20 bytes, table fastest, then slot, then side.
struct PlanningRec {
    static constexpr int Length = 12020;
    static constexpr int NamenOffset = 20;
    static constexpr int NamenLength = 600 * PlanningCellWidth;

    qint16 nummer = 0;
    double datum = 0;          // days since 30-12-1899
    qint16 ronde = 0;
    qint16 aantalTafels = 0;   // 1..10
    qint16 aantalPartijen = 0; // 1..30
    qint16 startTijdIndex = 0; // 08.00 + index x 30 minutes
    qint16 intervalIndex = 0;  // 15, 30, 45, 60, 90, 120 minutes
    // The 600 cells exactly as stored, so that a rewrite keeps the cells
    // outside the planning's range byte for byte.
    QByteArray namen = QByteArray(NamenLength, '\0');

    // Byte offset of cell (tafel, slot, kant) inside the record (all 1-based).
    static int cellOffset(int tafel, int slot, int kant);
    // The cell as stored, trailing blanks kept (zero bytes dropped).
    QString naam(int tafel, int slot, int kant) const;
    // Stores the text encoded, cut to 20 characters and blank-padded.
    void setNaam(int tafel, int slot, int kant, const QString& text);

    QByteArray toBytes() const;
    static PlanningRec fromBytes(const char* data);
    bool operator==(const PlanningRec&) const = default;
};

// The fixed choices of a new planning.
QStringList startTijdTexts();   // "08.00" .. "22.00", 29 entries
QStringList intervalTexts();    // "kwartier" .. "twee uur", 6 entries
int intervalMinutes(int intervalIndex);  // 15, 30, 45, 60, 90, 120; 0 outside 0..5

// Minutes after midnight at which slot s (1-based) starts.
int slotStartMinutes(int startTijdIndex, int intervalIndex, int slot);
// "hh:nn" of slot s; a start at 24.00 reads "00:00".
QString slotTimeText(int startTijdIndex, int intervalIndex, int slot);
// The last game may start at 24.00 at the latest.
bool lastStartAllowed(int startTijdIndex, int intervalIndex, int aantalPartijen);

// 1 + the highest planning number in the file, at least 1; 1 when the file is missing.
qint16 nextPlanningNumber(const QString& path);

// A new planning whose cells in range hold 20 blanks (the rest zero bytes).
PlanningRec newPlanning(qint16 nummer, double datum, qint16 ronde, qint16 aantalTafels, qint16 aantalPartijen,
                        qint16 startTijdIndex, qint16 intervalIndex);
// Writes the planning after the last whole record; its record number, or 0
// on failure (the file as it was, `why` the reason).
qint64 appendPlanning(const QString& path, const PlanningRec& rec, QString* why = nullptr);

struct FoundPlanning {
    PlanningRec rec;
    qint64 recordNumber = 0;
};
// The first record with this number; nothing when the file ends first.
std::optional<FoundPlanning> findPlanning(const QString& path, qint16 nummer);

// The grid's cells are numbered as the control array Label5: c = (t - 1) x
// aantalPartijen + s, side 1 is element 2c - 1 and side 2 element 2c.
int cellElement(int tafel, int slot, int kant, int aantalPartijen);
// The captions of the planning's cells in element order (index 0 is element 1).
QStringList cellCaptions(const PlanningRec& rec);
// The text a caption is stored as: blanks around it removed, cut to 20.
QString storedCellText(const QString& caption);
// Puts captions (element order) into the planning's cells in range.
void applyCellCaptions(PlanningRec& rec, const QStringList& captions);

enum class SaveResult { Saved, FileMissing, NotFound, WriteFailed };
// Re-reads the planning of this number, replaces its cells in range by the
// captions and writes it back at its own record; nothing is written when
// the file or the planning is not there.
// The record as written is left in *saved when given.
SaveResult savePlanningCells(const QString& path, qint16 nummer, const QStringList& captions,
                             PlanningRec* saved = nullptr, QString* why = nullptr);

// A poule-list entry: the first 11 characters of the name without trailing
// blanks, ",", the first initial, " (", the target, ")"; the adjusted target
// when it is not 0.
QString pouleListEntry(const SpelerRec& speler);
// The entries of the players of one poule and round, in file order.
QStringList pouleListEntries(const QString& spelersPath, qint16 poule, qint16 ronde);

// Print layout: tables whose cells hold a name (trailing blanks ignored),
// grouped into blocks of 3 (landscape) or 2 (portrait), one block a page.
QList<int> usedTables(int aantalTafels, int aantalPartijen, const QStringList& captions);
QList<QList<int>> printBlocks(int aantalTafels, const QList<int>& used, int perBlock);
// Landscape up to 15 slots, portrait from 16.
bool printLandscape(int aantalPartijen);

} // namespace core
