#include "standlist.h"
#include "modStand.h"
#include <QHeaderView>
#include <QTreeWidget>

namespace modStand {

core::Standings CurrentStandings()
{
    core::Standings s;
    const size_t n = size_t(std::max<int>(0, StandAantal));
    if (n == 0 || StandTabel.m_rijen.size() < n || StandPositie.size() < n || StandNamen.size() < n ||
        StandVoorletters.size() < n)
        return s;
    s.rijen.assign(StandTabel.m_rijen.begin(), StandTabel.m_rijen.begin() + long(n));
    s.positie.assign(StandPositie.begin(), StandPositie.begin() + long(n));
    s.namen.assign(StandNamen.begin(), StandNamen.begin() + long(n));
    s.voorletters.assign(StandVoorletters.begin(), StandVoorletters.begin() + long(n));
    return s;
}

void SetupReportList(QTreeWidget* list, const QStringList& captions, const QList<int>& widthsTwips,
                     int leftColumns)
{
    list->setColumnCount(int(captions.size()));
    list->setHeaderLabels(captions);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAllColumnsShowFocus(true);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    QList<int> widths;
    for (int c = 0; c < captions.size(); ++c) {
        if (c < widthsTwips.size())
            widths << Px(widthsTwips.at(c));
        const Qt::Alignment a = (c < leftColumns ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
        list->headerItem()->setTextAlignment(c, a);
    }
    platform::FitColumns(list, widths);
}

void FillReportList(QTreeWidget* list, const QList<core::StandLine>& lines)
{
    list->clear();
    QList<QTreeWidgetItem*> items;
    const int cols = list->columnCount();
    for (const core::StandLine& line : lines) {
        auto* it = new QTreeWidgetItem;
        it->setText(0, line.text);
        for (int i = 0; i < line.sub.size() && i + 1 < cols; ++i)
            it->setText(i + 1, line.sub.at(i));
        for (int c = 0; c < cols; ++c)
            it->setTextAlignment(c, Qt::Alignment(list->headerItem()->textAlignment(c)));
        items.append(it);
    }
    list->addTopLevelItems(items);
    platform::FitColumns(list);
}

QList<core::StandLine> ReportListLines(const QTreeWidget* list)
{
    QList<core::StandLine> out;
    const int cols = list->columnCount();
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* it = list->topLevelItem(i);
        core::StandLine line;
        line.text = it->text(0);
        for (int c = 1; c < cols; ++c)
            line.sub << it->text(c);
        out.append(line);
    }
    return out;
}

} // namespace modStand
