#pragma once
// The printed planning: a time column and two name columns per table, in
// ruled blocks of three tables (landscape, up to 15 slots) or two tables
// (portrait) a page; tables without any name are left out.
#include <QList>
#include <QString>
#include <QStringList>

namespace planning {

// What the grid shows at the moment of printing.
struct PlanningPrint {
    int aantalTafels = 0;
    int aantalPartijen = 0;
    QStringList captions;   // cell captions in the order of Label5
    QStringList tijden;     // the time labels "hh:nn", one a slot
    QString nummerText;     // the planning number as the grid shows it
    QString datumText;      // the date as the grid shows it
};

// Print layout of one orientation (twips and print columns).
struct PrintLayout {
    int orientatie;          // 1 portrait, 2 landscape
    int perBlock;            // tables a page
    int rowHeight;
    int ruleCount;           // horizontal rules j = 1 .. ruleCount
    int ruleBase;            // rule j at ruleBase + rowHeight x j
    int frameTop;            // top of the vertical rules
    int frameBottom;
    int sideRuleTop;
    int sideRuleOffset;      // side rule of table i at 4560 i - offset
    QList<int> textTabs;     // two a place
    QList<int> headTabs;     // one a place
};
const PrintLayout& LandscapeLayout();
const PrintLayout& PortraitLayout();

// Prints the planning (message "U kunt geen lege planning printen !" when
// every cell is blank); print errors are handled here.
void PrintPlanning(const PlanningPrint& planning);

// The head line of one block at height y: "Tijd" and "Tafel nr " + number per table; the whole
// grid k times as large (a page narrower than a full block).
void PrintPlanningGrid(const QList<int>& block, const PrintLayout& layout, double y, double k = 1);

} // namespace planning
