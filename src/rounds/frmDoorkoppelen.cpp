#include "frmDoorkoppelen.h"
#include "platform/formgeometry.h"
#include "platform/keytoolbar.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/carryover.h"
#include "core/format.h"
#include "core/recordfile.h"
#include "platform/msgbox.h"
#include "poules/frmZoek.h"
#include "roundsui.h"

#include <QAction>
#include <QShowEvent>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace modStootplanner;
using core::signedNum;
using rounds::Px;

namespace {

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QPushButton* arrowButton(const QString& name, const QString& glyph, const QString& tip, QWidget* parent)
{
    // Arrow glyphs as plain triangles: a symbol font is not available everywhere.
    auto* b = new QPushButton(glyph == QLatin1String("3") ? QStringLiteral("◀") : QStringLiteral("▶"), parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setFixedSize(Px(450), Px(375));
    b->setEnabled(false);
    return b;
}

QPushButton* helpButton(int index, QWidget* parent)
{
    auto* b = new QPushButton(QStringLiteral("?"), parent);
    b->setObjectName(QStringLiteral("Command3_%1").arg(index));
    b->setFixedSize(Px(375), Px(375));
    return b;
}

const QString TipLine = QStringLiteral(
    "Tip: U kunt altijd nog via Handmatig doorkoppelen andere spelers aan de nieuwe ronde toevoegen; dat kan ook "
    "met nieuwe spelers via het menu Poulebeheer.");

void fillRoundCombo(QComboBox* c, int aantal)
{
    c->clear();
    for (int i = 1; i <= aantal; ++i)
        c->addItem(signedNum(i));
    c->setCurrentIndex(-1);
}

// The records a carry-over from round `vorige` into `nieuwe` works on; only
// those are held, so that a huge file costs no memory.
std::vector<SpelerRec> playersOfRounds(qint16 vorige, qint16 nieuwe)
{
    return core::RecordFile<SpelerRec>::readWhere(
        PadSpelers(), [&](const SpelerRec& s) { return s.ronde == vorige || s.ronde == nieuwe; });
}

std::vector<UitslagRec> resultsOfRound(qint16 ronde)
{
    return core::RecordFile<UitslagRec>::readWhere(PadUitslag(), [&](const UitslagRec& u) { return u.ronde == ronde; });
}

} // namespace

frmDoorkoppelen::frmDoorkoppelen(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmDoorkoppelen"));
    setWindowTitle(QStringLiteral("Spelers handmatig doorkoppelen"));
    auto* top = new QVBoxLayout(this);

    m_toolbar = platform::makeKeyToolbar(this,
                                         {{"But02", "Sluiten", QStyle::SP_DialogCloseButton},
                                          {"But04", "Speler zoeken", QStyle::SP_FileDialogContentsView},
                                          {"But05", "Help", QStyle::SP_DialogHelpButton}},
                                         [this](const QString& key) { Toolbar1_ButtonClick(key); });
    top->addWidget(m_toolbar);

    auto* kolommen = new QHBoxLayout;
    top->addLayout(kolommen, 1);

    // ---- left: the previous round
    auto* links = new QGroupBox(this);
    links->setObjectName(QStringLiteral("Frame1"));
    auto* lL = new QVBoxLayout(links);
    lL->addWidget(makeLabel(QStringLiteral("Label1"), QStringLiteral("Kies juiste poules in vorige en nieuwe ronde,"), links));
    lL->addWidget(makeLabel(QStringLiteral("Label2"), QStringLiteral("vink speler(s) aan en click op Doorkoppelen"), links));
    auto* lNav = new QHBoxLayout;
    lNav->addWidget(makeLabel(QStringLiteral("Label3"), QStringLiteral("Naar poule"), links));
    m_combo1 = new QComboBox(links);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setMinimumWidth(Px(900));
    lNav->addWidget(m_combo1);
    m_command1[0] = arrowButton(QStringLiteral("Command1_0"), QStringLiteral("3"), QStringLiteral("Vorige poule"), links);
    m_command1[1] = arrowButton(QStringLiteral("Command1_1"), QStringLiteral("4"), QStringLiteral("Volgende poule"), links);
    lNav->addWidget(m_command1[0]);
    lNav->addWidget(m_command1[1]);
    lNav->addSpacing(Px(300));
    lNav->addWidget(makeLabel(QStringLiteral("Label4"), QStringLiteral("Poule"), links));
    m_linkerPoule[0] = makeLabel(QStringLiteral("Label5"), QString(), links);
    QFont groot = m_linkerPoule[0]->font();
    groot.setBold(true);
    groot.setPointSizeF(groot.pointSizeF() * 1.4);
    m_linkerPoule[0]->setFont(groot);
    lNav->addWidget(m_linkerPoule[0]);
    lNav->addStretch(1);
    lL->addLayout(lNav);
    auto* lKop = new QHBoxLayout;
    lKop->addWidget(makeLabel(QStringLiteral("Label6"), QStringLiteral("Kies juiste poule"), links));
    lKop->addStretch(1);
    m_command3[3] = helpButton(3, links);
    lKop->addWidget(m_command3[3]);
    lL->addLayout(lKop);
    m_list1 = new QTreeWidget(links);
    m_list1->setObjectName(QStringLiteral("ListView1"));
    rounds::SetupList(m_list1,
                      {QStringLiteral("Nr"), QStringLiteral("Naam"), QStringLiteral("VL"), QStringLiteral("Car oud"),
                       QStringLiteral("Moy oud")},
                      {750, 2000, 800, 850, 900}, true);
    platform::NameColumnGivesWay(m_list1, 1);
    lL->addWidget(m_list1, 1);

    auto* keuzeL = new QGroupBox(QStringLiteral(" Uw keuze "), links);
    keuzeL->setObjectName(QStringLiteral("Frame3"));
    auto* kL = new QGridLayout(keuzeL);
    kL->addWidget(makeLabel(QStringLiteral("Label7"), QStringLiteral("U hebt gekozen voor poule"), keuzeL), 0, 0);
    m_linkerPoule[1] = makeLabel(QStringLiteral("Label8"), QString(), keuzeL);
    kL->addWidget(m_linkerPoule[1], 0, 1);
    kL->addWidget(makeLabel(QStringLiteral("Label9"), QStringLiteral("in ronde"), keuzeL), 0, 2);
    m_vorigeRondeLabels << makeLabel(QStringLiteral("Label10"), QString(), keuzeL);
    kL->addWidget(m_vorigeRondeLabels.last(), 0, 3);
    kL->addWidget(makeLabel(QStringLiteral("Label11"), QStringLiteral("Spelers worden doorgekoppeld naar poule"), keuzeL), 1, 0);
    m_rechterPoule[1] = makeLabel(QStringLiteral("Label12"), QString(), keuzeL);
    kL->addWidget(m_rechterPoule[1], 1, 1);
    kL->addWidget(makeLabel(QStringLiteral("Label13"), QStringLiteral("in ronde"), keuzeL), 1, 2);
    m_nieuweRondeLabels << makeLabel(QStringLiteral("Label14"), QString(), keuzeL);
    kL->addWidget(m_nieuweRondeLabels.last(), 1, 3);
    kL->setColumnStretch(4, 1);
    lL->addWidget(keuzeL);

    auto* doorF = new QGroupBox(QStringLiteral(" Doorkoppelen "), links);
    doorF->setObjectName(QStringLiteral("Frame4"));
    auto* dL = new QHBoxLayout(doorF);
    m_doorkoppelen = new QPushButton(QStringLiteral("Doorkoppelen"), doorF);
    m_doorkoppelen->setObjectName(QStringLiteral("Command2"));
    m_doorkoppelen->setToolTip(QStringLiteral("Speler(s) doorkoppelen"));
    m_command3[0] = helpButton(0, doorF);
    m_clear = new QPushButton(QStringLiteral("Clear selectie"), doorF);
    m_clear->setObjectName(QStringLiteral("Command4"));
    m_clear->setToolTip(QStringLiteral("Selectie(s) ongedaan maken"));
    m_command3[1] = helpButton(1, doorF);
    dL->addWidget(m_doorkoppelen);
    dL->addWidget(m_command3[0]);
    dL->addSpacing(Px(600));
    dL->addWidget(m_clear);
    dL->addWidget(m_command3[1]);
    dL->addStretch(1);
    lL->addWidget(doorF);
    kolommen->addWidget(links, 1);

    // ---- right: the new round
    auto* rechts = new QGroupBox(this);
    rechts->setObjectName(QStringLiteral("Frame2"));
    auto* rL = new QVBoxLayout(rechts);
    rL->addWidget(makeLabel(QStringLiteral("Label15"), QStringLiteral("Gekozen speler(s) worden naar deze poule doorgekoppeld"), rechts));
    auto* rNav = new QHBoxLayout;
    rNav->addWidget(makeLabel(QStringLiteral("Label16"), QStringLiteral("Naar poule"), rechts));
    m_combo2 = new QComboBox(rechts);
    m_combo2->setObjectName(QStringLiteral("Combo2"));
    m_combo2->setMinimumWidth(Px(900));
    rNav->addWidget(m_combo2);
    m_command5[0] = arrowButton(QStringLiteral("Command5_0"), QStringLiteral("3"), QStringLiteral("Vorige poule"), rechts);
    m_command5[1] = arrowButton(QStringLiteral("Command5_1"), QStringLiteral("4"), QStringLiteral("Volgende poule"), rechts);
    rNav->addWidget(m_command5[0]);
    rNav->addWidget(m_command5[1]);
    rNav->addSpacing(Px(300));
    rNav->addWidget(makeLabel(QStringLiteral("Label17"), QStringLiteral("Poule"), rechts));
    m_rechterPoule[0] = makeLabel(QStringLiteral("Label18"), QString(), rechts);
    m_rechterPoule[0]->setFont(groot);
    rNav->addWidget(m_rechterPoule[0]);
    rNav->addStretch(1);
    rL->addLayout(rNav);
    rL->addWidget(makeLabel(QStringLiteral("Label19"), QStringLiteral("Kies juiste poule"), rechts));
    m_list2 = new QTreeWidget(rechts);
    m_list2->setObjectName(QStringLiteral("ListView2"));
    rounds::SetupList(m_list2,
                      {QStringLiteral("Nr"), QStringLiteral("Naam"), QStringLiteral("VL"), QStringLiteral("Car nieuw"),
                       QStringLiteral("Moy nieuw")},
                      {750, 2000, 800, 1000, 1000}, false);
    platform::NameColumnGivesWay(m_list2, 1);
    rL->addWidget(m_list2, 1);

    auto* keuzeR = new QGroupBox(QStringLiteral(" Uw keuze "), rechts);
    keuzeR->setObjectName(QStringLiteral("Frame5"));
    auto* kR = new QGridLayout(keuzeR);
    kR->addWidget(makeLabel(QStringLiteral("Label20"), QStringLiteral("U hebt gekozen voor poule"), keuzeR), 0, 0);
    m_rechterPoule[2] = makeLabel(QStringLiteral("Label21"), QString(), keuzeR);
    kR->addWidget(m_rechterPoule[2], 0, 1);
    kR->addWidget(makeLabel(QStringLiteral("Label22"), QStringLiteral("in ronde"), keuzeR), 0, 2);
    m_nieuweRondeLabels << makeLabel(QStringLiteral("Label23"), QString(), keuzeR);
    kR->addWidget(m_nieuweRondeLabels.last(), 0, 3);
    kR->setColumnStretch(4, 1);
    rL->addWidget(keuzeR);

    auto* nieuwF = new QGroupBox(QStringLiteral(" Nieuwe poule aanmaken "), rechts);
    nieuwF->setObjectName(QStringLiteral("Frame6"));
    auto* nL = new QHBoxLayout(nieuwF);
    m_nieuwePoule = new QPushButton(QStringLiteral("Nieuwe poule aanmaken"), nieuwF);
    m_nieuwePoule->setObjectName(QStringLiteral("Command6"));
    m_nieuwePoule->setToolTip(QStringLiteral("Nieuwe poule in nieuwe ronde"));
    m_command3[2] = helpButton(2, nieuwF);
    nL->addWidget(m_nieuwePoule);
    nL->addWidget(m_command3[2]);
    nL->addStretch(1);
    rL->addWidget(nieuwF);
    kolommen->addWidget(rechts, 1);

    connect(m_combo1, QOverload<int>::of(&QComboBox::activated), this, [this](int) { Combo1_Click(); });
    connect(m_combo2, QOverload<int>::of(&QComboBox::activated), this, [this](int) { Combo2_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(m_command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        connect(m_command5[i], &QPushButton::clicked, this, [this, i] { Command5_Click(i); });
    }
    for (int i = 0; i < 4; ++i)
        connect(m_command3[i], &QPushButton::clicked, this, [this, i] { Command3_Click(i); });
    connect(m_doorkoppelen, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(m_clear, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(m_nieuwePoule, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(m_list1->header(), &QHeaderView::sectionClicked, this, [this](int c) { ListView1_ColumnClick(c); });
    connect(m_list2->header(), &QHeaderView::sectionClicked, this, [this](int c) { ListView2_ColumnClick(c); });

    Form_Load();
}

void frmDoorkoppelen::setLinkerPouleText(const QString& t)
{
    for (QLabel* l : m_linkerPoule)
        l->setText(t);
}

void frmDoorkoppelen::setRechterPouleText(const QString& t)
{
    for (QLabel* l : m_rechterPoule)
        l->setText(t);
}

QSize frmDoorkoppelen::sizeHint() const { return QSize(Px(13050), Px(9290)); }

void frmDoorkoppelen::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // Opens at the top left of the main window's client area.
    if (!e->spontaneous())
        platform::placeChildWindow(this, 0, 0);
}

void frmDoorkoppelen::Form_Load()
{
    move(0, 0);
    resize(Px(13050), Px(9290));
    m_vorigeRonde = qint16(Toernooi.laatsteRonde - 1);
    m_nieuweRonde = Toernooi.laatsteRonde;
    if (auto* f = findChild<QGroupBox*>(QStringLiteral("Frame1")))
        f->setTitle(QStringLiteral(" Spelers en poules uit ronde  ") + signedNum(m_vorigeRonde));
    if (auto* f = findChild<QGroupBox*>(QStringLiteral("Frame2")))
        f->setTitle(QStringLiteral(" Spelers en poules uit ronde  ") + signedNum(m_nieuweRonde));
    for (QLabel* l : m_vorigeRondeLabels)
        l->setText(signedNum(m_vorigeRonde));
    for (QLabel* l : m_nieuweRondeLabels)
        l->setText(signedNum(m_nieuweRonde));
    m_links = 1;
    m_rechts = 1;
    setLinkerPouleText(signedNum(1));
    setRechterPouleText(signedNum(1));

    const auto vorig = core::RecordFile<PouleRec>::read(PadPoules(), m_vorigeRonde);
    m_poulesVorig = vorig ? vorig->aantalPoules : 0;
    fillRoundCombo(m_combo1, m_poulesVorig);
    const auto nieuw = core::RecordFile<PouleRec>::read(PadPoules(), m_nieuweRonde);
    m_poulesNieuw = nieuw ? nieuw->aantalPoules : 0;
    fillRoundCombo(m_combo2, m_poulesNieuw);

    FillCarryOverList(1);
    FillCarryOverList(2);
    m_command1[1]->setEnabled(m_poulesVorig > 1);
    m_command5[1]->setEnabled(m_poulesNieuw > 1);
    m_command1[0]->setEnabled(false);
    m_command5[0]->setEnabled(false);
}

void frmDoorkoppelen::FillCarryOverList(int lijst)
{
    QTreeWidget* list = lijst == 1 ? m_list1 : m_list2;
    list->clear();
    const auto spelers = playersOfRounds(m_vorigeRonde, m_nieuweRonde);
    const auto rows = core::carryOverListRows(spelers, lijst, m_vorigeRonde, m_nieuweRonde,
                                              lijst == 1 ? m_links : m_rechts, Toernooi);
    int key = 1;
    for (const core::CarryRow& r : rows) {
        QTreeWidgetItem* it = rounds::NewListItem({r.nr, r.naam, r.vl, r.car, r.moy});
        it->setData(0, Qt::UserRole, QStringLiteral("P%1").arg(key++));
        it->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        it->setTextAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
        if (lijst == 1)
            it->setCheckState(0, Qt::Unchecked);
        list->addTopLevelItem(it);
    }
    // Rows already come sorted on the name, as a click on that column leaves them.
    list->header()->setSortIndicator(1, Qt::AscendingOrder);
    platform::FitColumns(list);
}

bool frmDoorkoppelen::IsInTargetRound(qint32 nummer) const
{
    return core::isInRound(playersOfRounds(m_vorigeRonde, m_nieuweRonde), nummer, m_nieuweRonde);
}

void frmDoorkoppelen::AdjustCarriedMoyenne(qint32 nummer)
{
    Speler.nummer = nummer;
    core::adjustCarriedMoyenne(Speler, resultsOfRound(m_vorigeRonde), m_vorigeRonde, Toernooi);
}

void frmDoorkoppelen::Combo1_Click()
{
    const int pos = m_combo1->currentIndex();
    if (pos < 0)
        return;
    if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::PouleChooser))
        return;
    m_links = qint16(pos + 1);
    FillCarryOverList(1);
    setLinkerPouleText(signedNum(m_links));
    m_command1[0]->setEnabled(m_links != 1);
    m_command1[1]->setEnabled(m_links != m_poulesVorig && m_poulesVorig > 1);
}

void frmDoorkoppelen::Combo2_Click()
{
    const int pos = m_combo2->currentIndex();
    if (pos < 0)
        return;
    if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::PouleChooser))
        return;
    m_rechts = qint16(pos + 1);
    FillCarryOverList(2);
    setRechterPouleText(signedNum(m_rechts));
    m_command5[0]->setEnabled(m_rechts != 1);
    m_command5[1]->setEnabled(m_rechts != m_poulesNieuw && m_poulesNieuw > 1);
}

void frmDoorkoppelen::Command1_Click(int index)
{
    if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::Closing))
        return;
    stepLeft(index);
}

void frmDoorkoppelen::Command5_Click(int index)
{
    if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::Closing))
        return;
    stepRight(index);
}

void frmDoorkoppelen::stepLeft(int index)
{
    if (index == 1) {
        m_links = qint16(m_links + 1);
        m_command1[1]->setEnabled(m_links != m_poulesVorig);
        m_command1[0]->setEnabled(true);
    } else {
        m_links = qint16(m_links - 1);
        m_command1[0]->setEnabled(m_links != 1);
        m_command1[1]->setEnabled(true);
    }
    setLinkerPouleText(QString::number(m_links));
    m_combo1->setCurrentIndex(-1);
    FillCarryOverList(1);
}

void frmDoorkoppelen::stepRight(int index)
{
    if (index == 1) {
        m_rechts = qint16(m_rechts + 1);
        m_command5[1]->setEnabled(m_rechts != m_poulesNieuw);
        m_command5[0]->setEnabled(true);
    } else {
        m_rechts = qint16(m_rechts - 1);
        m_command5[0]->setEnabled(m_rechts != 1);
        m_command5[1]->setEnabled(true);
    }
    setRechterPouleText(QString::number(m_rechts));
    m_combo2->setCurrentIndex(-1);
    FillCarryOverList(2);
}

void frmDoorkoppelen::Command2_Click() { CarryOverChecked(); }

void frmDoorkoppelen::CarryOverChecked()
{
    if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::Closing))
        return;
    if (m_list1->topLevelItemCount() == 0) {
        platform::Beep();
        return;
    }
    std::vector<qint32> nummers;
    for (int i = 0; i < m_list1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* it = m_list1->topLevelItem(i);
        if (it->checkState(0) == Qt::Checked)
            nummers.push_back(it->text(0).toInt());
    }
    if (nummers.empty()) {
        platform::MsgBox(QStringLiteral("U moet één of meerdere spelers selecteren in de linker lijst !"),
                         platform::vbExclamation, MeldingTitel);
        return;
    }
    const auto spelers = playersOfRounds(m_vorigeRonde, m_nieuweRonde);
    // Without a results file there is nothing to adjust on: the minimum applies.
    const auto uitslagen = resultsOfRound(m_vorigeRonde);
    const auto recs =
        core::carryOverRecords(spelers, uitslagen, nummers, m_vorigeRonde, m_nieuweRonde, m_rechts, Toernooi);
    QString why;
    if (!core::storeManualCarryOver({PadSpelers(), PadPoules(), PadHerstel()}, recs, Toernooi.laatsteRonde, &why)) {
        rounds::ReportNothingCarried(why);
        return;
    }
    if (!recs.empty())
        Speler = recs.back();
    FillCarryOverList(2);
    FillCarryOverList(1);
    platform::MsgBox(QStringLiteral("Speler(s) doorgekoppeld !"), platform::vbInformation, QStringLiteral("Gereed"));
}

void frmDoorkoppelen::Command6_Click() { AddPouleNewRound(); }

void frmDoorkoppelen::AddPouleNewRound()
{
    if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::Closing))
        return;
    QString why;
    const qint16 aantal = core::addPouleToRound(PadPoules(), m_nieuweRonde, &why);
    if (aantal == 0) {
        platform::MsgBox(QStringLiteral("De nieuwe poule kon niet worden opgeslagen !\r\n") + why, platform::vbCritical,
                         MeldingTitel);
        return;
    }
    ReadPoule(m_nieuweRonde);
    AantalPoules = aantal;
    m_poulesNieuw = aantal;
    setRechterPouleText(signedNum(aantal));
    fillRoundCombo(m_combo2, aantal);
    m_list2->clear();
    m_rechts = aantal;
    m_command5[0]->setEnabled(true);
    m_command5[1]->setEnabled(false);
}

void frmDoorkoppelen::Command4_Click()
{
    for (int i = 0; i < m_list1->topLevelItemCount(); ++i)
        m_list1->topLevelItem(i)->setCheckState(0, Qt::Unchecked);
}

void frmDoorkoppelen::ListView1_ColumnClick(int column)
{
    if (column == 0 || column == 1)
        m_list1->sortItems(column, Qt::AscendingOrder);
    m_list1->header()->setSortIndicator(m_list1->sortColumn(), Qt::AscendingOrder);
}

void frmDoorkoppelen::ListView2_ColumnClick(int column)
{
    if (column == 0 || column == 1)
        m_list2->sortItems(column, Qt::AscendingOrder);
    m_list2->header()->setSortIndicator(m_list2->sortColumn(), Qt::AscendingOrder);
}

void frmDoorkoppelen::Command3_Click(int index)
{
    switch (index) {
    case 0:
        rounds::ShowHelpLines({
            QStringLiteral("Met deze knop wordt de geselecteerde speler of de geselecteerden spelers doorgekoppeld "
                           "naar de poule die u rechts hebt geselecteerd."),
            QStringLiteral("Als u bij de aanmaak van het toernooi hebt gekozen om de moyennes na elke ronde aan te "
                           "passen, dan krijgt een doorgekoppelde speler het moyenne dat hij in de vorige ronde "
                           "gespeeld heeft (nooit lager dan het ingestelde minimum)."),
            TipLine,
        });
        break;
    case 1:
        rounds::ShowHelpLines({
            QStringLiteral("Als u een speler hebt geselecteerd (hokje vóór de naam aanclicken), dan kunt u die "
                           "selectie weer ongedaan maken door nogmaals in het hokje te clicken."),
            QStringLiteral("Met Clear selectie maakt u in één keer alle selecties in de linker lijst ongedaan."),
        });
        break;
    case 2:
        rounds::ShowHelpLines({QStringLiteral("Met deze knop maakt u een nieuwe poule aan in de volgende ronde.")});
        break;
    default:
        rounds::ShowHelpLines({
            QStringLiteral("Kies de juiste poule en vink (hokje vóór de naam aanclicken) alle spelers aan die u wilt "
                           "doorkoppelen naar de poule die u rechts in de nieuwe ronde hebt gekozen."),
            QStringLiteral("Spelers die al in de nieuwe ronde staan, worden hier niet meer getoond."),
        });
        break;
    }
}

void frmDoorkoppelen::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("But02")) {
        close();
    } else if (key == QLatin1String("But04")) {
        if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::Closing))
            return;
        frmZoek zoek(this);
        zoek.exec();
    } else if (key == QLatin1String("But05")) {
        rounds::ShowHelpLines({
            QStringLiteral("In dit scherm kunt u handmatig spelers uit de vorige ronde doorkoppelen naar de nieuwe "
                           "ronde."),
            QStringLiteral("Let op 1: Zodra u één speler hebt doorgekoppeld, kunt u geen gebruik meer maken van de "
                           "automatische doorkoppeling."),
            QStringLiteral("Let op 2: Als u bij de aanmaak van dit toernooi hebt gekozen om de moyennes na elke ronde "
                           "aan te passen, dan zal het programma dat ook voor u verzorgen."),
            TipLine,
        });
    }
}
