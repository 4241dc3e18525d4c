#include "roundsui.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "platform/formgeometry.h"
#include "platform/msgbox.h"
#include "core/carryover.h"
#include <QHeaderView>
#include <QTreeWidget>

namespace rounds {

namespace {
class ListItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int col = treeWidget() ? treeWidget()->sortColumn() : 0;
        return core::compareListText(text(col), other.text(col)) < 0;
    }
};
} // namespace

void ShowHelpLines(const QStringList& lines)
{
    modStootplanner::MeldingTekst = lines.join(QStringLiteral("\r\n"));
    modStootplanner::HelpGroot = false;
    modStootplanner::ShowHelp();
}

void ReportNothingCarried(const QString& why)
{
    platform::MsgBox(QStringLiteral("De spelers konden niet worden opgeslagen !\r\n") + why
                         + QStringLiteral("\r\nEr is niemand doorgekoppeld."),
                     platform::vbCritical, modStootplanner::MeldingTitel);
}

void SetupList(QTreeWidget* list, const QStringList& captions, const QList<int>& widthsTwips, bool checkBoxes)
{
    list->setColumnCount(int(captions.size()));
    list->setHeaderLabels(captions);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->header()->setSectionsClickable(true);
    list->header()->setStretchLastSection(false);
    QList<int> widths;
    for (int i = 0; i < captions.size() && i < widthsTwips.size(); ++i)
        widths << Px(widthsTwips[i]) + (i == 0 && checkBoxes ? 22 : 0);
    platform::FitColumns(list, widths);
}

QTreeWidgetItem* NewListItem(const QStringList& texts)
{
    return new ListItem(texts);
}

} // namespace rounds
