#include "frmKiesPlanning.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/format.h"
#include "core/oledate.h"
#include "core/recordfile.h"
#include "modPlanning.h"
#include "platform/keytoolbar.h"
#include "platform/msgbox.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace modStootplanner;
using planning::Px;

namespace {
// The record's own date rides along with its row, so that the chosen date
// does not depend on reading the row text back.
constexpr int DatumRole = Qt::UserRole + 1;
}

frmKiesPlanning::frmKiesPlanning(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmKiesPlanning"));
    setWindowTitle(QStringLiteral("Kies planning"));
    setModal(true);
    auto* top = new QVBoxLayout(this);
    m_toolbar = platform::makeKeyToolbar(this,
                                         {{"But02", "Sluiten", QStyle::SP_DialogCloseButton},
                                          {"But04", "Help", QStyle::SP_DialogHelpButton}},
                                         [this](const QString& key) { Toolbar1_ButtonClick(key); });
    top->addWidget(m_toolbar);

    auto* frame = new QGroupBox(QStringLiteral(" Click gewenste planning aan: "), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* fl = new QVBoxLayout(frame);
    m_list = new QTreeWidget(frame);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({QStringLiteral("Nr"), QStringLiteral("Datum"), QStringLiteral("Ronde")});
    m_list->setColumnWidth(0, Px(700));
    m_list->setColumnWidth(1, Px(1500));
    m_list->setColumnWidth(2, Px(800));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setMinimumSize(Px(3600), Px(2600));
    fl->addWidget(m_list);
    top->addWidget(frame, 1);

    auto* naar = new QGroupBox(QStringLiteral(" Naar planning "), this);
    naar->setObjectName(QStringLiteral("Frame2"));
    auto* nl = new QHBoxLayout(naar);
    m_naar = new QPushButton(QStringLiteral("Naar planning"), naar);
    m_naar->setObjectName(QStringLiteral("Command1"));
    m_naar->setToolTip(QStringLiteral("Naar gekozen planning"));
    nl->addWidget(m_naar);
    top->addWidget(naar);

    auto* knoppen = new QHBoxLayout;
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Command2"));
    m_cancel->setToolTip(QStringLiteral("Geen planning openen"));
    knoppen->addStretch(1);
    knoppen->addWidget(m_cancel);
    top->addLayout(knoppen);

    connect(m_list, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* it) { ListView1_ItemClick(it); });
    connect(m_naar, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { Command2_Click(); });
    Form_Load();
}

void frmKiesPlanning::Form_Load()
{
    m_list->clear();
    core::RecordFile<core::PlanningRec>::scan(PadPlanning(), [this](const core::PlanningRec& p, qint64 k) {
        HuidigePlanning = p;
        auto* it = new QTreeWidgetItem(m_list);
        it->setData(0, Qt::UserRole, QStringLiteral("P%1").arg(k));
        it->setText(0, core::signedNum(p.nummer));
        it->setText(1, core::dateText(core::oleDateToDate(p.datum)));
        it->setText(2, core::signedNum(p.ronde));
        it->setData(1, DatumRole, core::oleDateToDate(p.datum));
        return true;
    });
    GekozenPlanning = 0;
    DialoogResultaat = 0;
}

void frmKiesPlanning::ListView1_ItemClick(QTreeWidgetItem* item)
{
    if (!item)
        return;
    GekozenPlanning = qint16(item->text(0).trimmed().toInt());
    GekozenPlanningDatum = item->data(1, DatumRole).toDate();
    GekozenPlanningRonde = qint16(item->text(2).trimmed().toInt());
}

void frmKiesPlanning::Command1_Click()
{
    if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules | FilePlanning, this, CheckForm::Closing))
        return;
    if (m_list->topLevelItemCount() == 0) {
        platform::Beep();
        return;
    }
    if (GekozenPlanning != 0) {
        DialoogResultaat = 1;
        accept();
        return;
    }
    platform::MsgBox(QStringLiteral("U moet een planning selecteren door erop te clicken !"), platform::vbExclamation,
                     MeldingTitel);
}

void frmKiesPlanning::Command2_Click() { reject(); }

void frmKiesPlanning::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("But02")) {
        reject();
    } else if (key == QLatin1String("But04")) {
        planning::ShowHelpParagraphs(
            {QStringLiteral("In de lijst ziet u alle planningen die u eerder hebt aangemaakt."),
             QStringLiteral("U herkent de planning aan het planningsnummer, de datum en/of het rondenummer."),
             QStringLiteral("Met de knop \"Naar planning\" opent u de planning die u in de lijst hebt geselecteerd "
                            "(aanclicken).")},
            false);
    }
}
