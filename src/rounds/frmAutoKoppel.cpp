#include "frmAutoKoppel.h"
#include "platform/formgeometry.h"
#include "platform/keytoolbar.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/format.h"
#include "core/recordfile.h"
#include "platform/inputfields.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include "poules/frmZoek.h"
#include "print/listrows.h"
#include "print/pageheader.h"
#include "print/printjob.h"
#include "roundsui.h"
#include "standings/modStand.h"

#include <QAction>
#include <QShowEvent>
#include <algorithm>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace modStootplanner;
using core::signedNum;
using rounds::Px;

namespace {

enum Kolom { KolNr = 0, KolNaam, KolVl, KolCar, KolMoy, KolPoule };

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

void setRed(QWidget* w, bool red)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, red ? QColor(255, 0, 0) : QColor(0, 0, 0));
    p.setColor(QPalette::ButtonText, red ? QColor(255, 0, 0) : QColor(0, 0, 0));
    w->setPalette(p);
}

// The standings of every poule of a round, read through the module-level outputs.
std::vector<core::Standings> standingsOfRound(int R, qint16 ronde, bool matchpunten)
{
    std::vector<core::Standings> out;
    for (int i = 1; i <= R; ++i) {
        core::Standings s;
        modStand::ComputeStandings(qint16(i), ronde, matchpunten);
        for (int r = 1; r <= modStand::StandAantal; ++r) {
            s.rijen.push_back(modStand::StandTabel.m_rijen.at(size_t(r - 1)));
            s.positie.push_back(modStand::StandPositieAt(r));
            s.namen.push_back(modStand::StandNamenAt(r));
            s.voorletters.push_back(modStand::StandVoorlettersAt(r));
        }
        out.push_back(s);
    }
    return out;
}

const QString PrintTitel = QStringLiteral("Resultaat automatische doorkoppeling");

} // namespace

core::RandomGenerator& frmAutoKoppel::Randomizer()
{
    static core::RandomGenerator rng;
    return rng;
}

frmAutoKoppel::frmAutoKoppel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmAutoKoppel"));
    setWindowTitle(QStringLiteral("Spelers automatisch doorkoppelen"));
    auto* top = new QVBoxLayout(this);

    m_toolbar = platform::makeKeyToolbar(this,
                                         {{"But02", "Scherm sluiten", QStyle::SP_DialogCloseButton},
                                          {"But04", "Resultaat printen", QStyle::SP_FileDialogDetailedView},
                                          {"But05", "Speler zoeken", QStyle::SP_FileDialogContentsView},
                                          {"But06", "Help", QStyle::SP_DialogHelpButton}},
                                         [this](const QString& key) { Toolbar1_ButtonClick(key); });
    top->addWidget(m_toolbar);

    for (int i = 0; i < 7; ++i) {
        m_help[i] = new QPushButton(QStringLiteral("?"), this);
        m_help[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        m_help[i]->setFixedSize(Px(375), Px(375));
        connect(m_help[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }

    auto* kolommen = new QHBoxLayout;
    top->addLayout(kolommen, 1);
    auto* linksPaneel = new QWidget(this);
    linksPaneel->setFixedWidth(Px(4950));   // the result list takes the rest of the window's width
    auto* links = new QVBoxLayout(linksPaneel);
    links->setContentsMargins(0, 0, 0, 0);
    kolommen->addWidget(linksPaneel, 0);

    // Step 1
    auto* stap1 = new QGroupBox(QStringLiteral(" Stap 1: Hoeveel spelers ? "), this);
    stap1->setObjectName(QStringLiteral("Frame1"));
    auto* s1 = new QGridLayout(stap1);
    auto* groep2 = new QButtonGroup(this);
    m_option2[0] = new QRadioButton(QStringLiteral("Kies aantal spelers"), stap1);
    m_option2[1] = new QRadioButton(QStringLiteral("Aantal spelers hangt af van onderstaande keuze:"), stap1);
    m_text1 = new QLineEdit(stap1);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFixedWidth(Px(600));
    platform::setupInputField(m_text1, platform::KeyFilter::WholeNumber);
    auto* noot = makeLabel(QStringLiteral("Label1"),
                           QStringLiteral("In dit geval worden alle poule-winnaars gekozen, aangevuld met (beste) 2e, "
                                          "(beste) 3e, etc. totdat het aantal ingevoerde spelers is bereikt."),
                           stap1);
    noot->setWordWrap(true);
    noot->setMinimumHeight(noot->fontMetrics().lineSpacing() * 3 + 4);
        m_check1 = new QCheckBox(QStringLiteral("Alle poule-winnaars (altijd)"), stap1);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setChecked(true);
    m_check1->setEnabled(false);
    const char* plaatsen[] = {"Dan alle 2e in alle poules (indien beschikbaar)",
                              "Dan alle 3e in alle poules (indien beschikbaar)",
                              "Dan alle 4e in alle poules (indien beschikbaar)"};
    for (int i = 0; i < 2; ++i) {
        m_option2[i]->setObjectName(QStringLiteral("Option2_%1").arg(i));
        groep2->addButton(m_option2[i], i);
    }
    s1->addWidget(m_option2[0], 0, 0);
    s1->addWidget(m_text1, 0, 1);
    s1->addWidget(m_help[0], 0, 2, Qt::AlignRight);
    s1->addWidget(noot, 1, 0, 1, 3);
    s1->addWidget(m_option2[1], 2, 0, 1, 2);
    s1->addWidget(m_help[1], 2, 2, Qt::AlignRight);
    s1->addWidget(m_check1, 3, 0, 1, 3);
    for (int i = 0; i < 3; ++i) {
        m_check2[i] = new QCheckBox(QString::fromUtf8(plaatsen[i]), stap1);
        m_check2[i]->setObjectName(QStringLiteral("Check2_%1").arg(i));
        s1->addWidget(m_check2[i], 4 + i, 0, 1, 3);
        connect(m_check2[i], &QCheckBox::toggled, this, [this] { colourChoices(); });
    }
    links->addWidget(stap1);

    // Step 2
    auto* stap2 = new QGroupBox(QStringLiteral(" Stap 2: Selectie restspelers "), this);
    stap2->setObjectName(QStringLiteral("Frame2"));
    auto* s2 = new QGridLayout(stap2);
    auto* groep3 = new QButtonGroup(this);
    m_option3[0] = new QRadioButton(QStringLiteral("Stand op basis van MP"), stap2);
    m_option3[1] = new QRadioButton(QStringLiteral("Hoogste moyenne"), stap2);
    for (int i = 0; i < 2; ++i) {
        m_option3[i]->setObjectName(QStringLiteral("Option3_%1").arg(i));
        groep3->addButton(m_option3[i], i);
        s2->addWidget(m_option3[i], i, 0);
    }
    s2->addWidget(m_help[6], 0, 1, Qt::AlignRight);
    links->addWidget(stap2);

    // Step 3
    auto* stap3 = new QGroupBox(QStringLiteral(" Stap 3: Naar hoeveel poules ? "), this);
    stap3->setObjectName(QStringLiteral("Frame3"));
    auto* s3 = new QGridLayout(stap3);
    auto* groep1 = new QButtonGroup(this);
    m_option1[0] = new QRadioButton(QStringLiteral("Aantal poules vastleggen, nl:"), stap3);
    m_option1[1] = new QRadioButton(QStringLiteral("Max aantal spelers per poule, nl"), stap3);
    m_text2 = new QLineEdit(stap3);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text3 = new QLineEdit(stap3);
    m_text3->setObjectName(QStringLiteral("Text3"));
    platform::setupInputField(m_text2, platform::KeyFilter::Any);
    platform::setupInputField(m_text3, platform::KeyFilter::Any);
    m_eenheid[0] = makeLabel(QStringLiteral("Label2"), QStringLiteral("poules"), stap3);
    m_eenheid[1] = makeLabel(QStringLiteral("Label3"), QStringLiteral("spelers"), stap3);
    QLineEdit* velden[2] = {m_text2, m_text3};
    for (int i = 0; i < 2; ++i) {
        m_option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        groep1->addButton(m_option1[i], i);
        velden[i]->setFixedWidth(Px(600));
        s3->addWidget(m_option1[i], i, 0);
        s3->addWidget(velden[i], i, 1);
        s3->addWidget(m_eenheid[i], i, 2);
    }
    s3->addWidget(m_help[2], 0, 3, Qt::AlignRight);
    links->addWidget(stap3);

    // Step 4
    auto* stap4 = new QGroupBox(QStringLiteral(" Stap 4: Toon resultaat "), this);
    stap4->setObjectName(QStringLiteral("Frame4"));
    auto* s4 = new QHBoxLayout(stap4);
    m_toon = new QPushButton(QStringLiteral("Toon resultaat"), stap4);
    m_toon->setObjectName(QStringLiteral("Command2"));
    m_clear = new QPushButton(QStringLiteral("Clear"), stap4);
    m_clear->setObjectName(QStringLiteral("Command4"));
    m_clear->setToolTip(QStringLiteral("Clear resultaat"));
    s4->addWidget(m_toon);
    s4->addWidget(m_help[3]);
    s4->addWidget(m_clear);
    s4->addWidget(m_help[5]);
    s4->addStretch(1);
    links->addWidget(stap4);

    auto* stap5 = new QGroupBox(QStringLiteral(" Stap 4: Nu doorkoppelen "), this);
    stap5->setObjectName(QStringLiteral("Frame5"));
    auto* s5 = new QHBoxLayout(stap5);
    m_door = new QPushButton(QStringLiteral("Doorkoppelen"), stap5);
    m_door->setObjectName(QStringLiteral("Command3"));
    m_door->setToolTip(QStringLiteral("Feitelijk doorkoppelen"));
    s5->addWidget(m_door);
    s5->addWidget(m_help[4]);
    s5->addStretch(1);
    links->addWidget(stap5);
    links->addStretch(1);

    // Result list and information
    auto* rechts = new QVBoxLayout;
    kolommen->addLayout(rechts, 1);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ListView1"));
    rounds::SetupList(m_list,
                      {QStringLiteral("Nr"), QStringLiteral("Naam"), QStringLiteral("Vl"), QStringLiteral("Car Nieuw"),
                       QStringLiteral("Moy Nieuw"), QStringLiteral("Poule")},
                      {650, 1950, 780, 900, 1000, 600}, false);
    // Every column in view, with room for a name of 20 and initials of 7 characters; a wider name makes the
    // window wider, or gives way itself.
    m_list->setMinimumWidth(platform::ListWidthForColumns(m_list));
    platform::NameColumnGivesWay(m_list, KolNaam);
    rechts->addWidget(m_list, 1);
    auto* info = new QGroupBox(QStringLiteral(" Ter info: Dit is het resultaat van uw keuzes: "), this);
    info->setObjectName(QStringLiteral("Frame6"));
    auto* iL = new QGridLayout(info);
    m_label5 = makeLabel(QStringLiteral("Label5"), QString(), info);
    m_label4 = makeLabel(QStringLiteral("Label4"), QString(), info);
    m_label6 = makeLabel(QStringLiteral("Label6"), QString(), info);
    m_label7 = makeLabel(QStringLiteral("Label7"), QString(), info);
    iL->addWidget(makeLabel(QStringLiteral("Label8"), QStringLiteral("Totaal aantal spelers:"), info), 0, 0);
    iL->addWidget(m_label5, 0, 1);
    iL->addWidget(makeLabel(QStringLiteral("Label9"), QStringLiteral("In rondenummer:"), info), 1, 0);
    iL->addWidget(m_label4, 1, 1);
    iL->addWidget(makeLabel(QStringLiteral("Label10"), QStringLiteral("Totaal aantal poules:"), info), 2, 0);
    iL->addWidget(m_label6, 2, 1);
    iL->addWidget(makeLabel(QStringLiteral("Label11"), QStringLiteral("Aantal spelers per poule:"), info), 3, 0);
    iL->addWidget(m_label7, 3, 1);
    iL->addWidget(makeLabel(QStringLiteral("Label12"), QStringLiteral("maximaal"), info), 3, 2);
    for (QLabel* l : {m_label4, m_label5, m_label6, m_label7})
        l->setMinimumWidth(Px(600));
    iL->setColumnStretch(3, 1);
    rechts->addWidget(info);

    for (QRadioButton* b : {m_option1[0], m_option1[1], m_option2[0], m_option2[1], m_option3[0], m_option3[1]})
        connect(b, &QRadioButton::toggled, this, [this] { colourChoices(); });
    connect(m_toon, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(m_clear, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(m_door, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(m_list->header(), &QHeaderView::sectionClicked, this, [this](int c) { ListView1_ColumnClick(c); });

    Form_Load();
}

QSize frmAutoKoppel::sizeHint() const { return QSize(Px(11475), Px(9290)); }

void frmAutoKoppel::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // Opens at the top left of the main window's client area.
    if (!e->spontaneous())
        platform::placeChildWindow(this, 0, 0);
}

void frmAutoKoppel::Form_Load()
{
    move(0, 0);
    resize(Px(11475), Px(9290));
    m_option1[0]->setChecked(true);
    m_option2[0]->setChecked(true);
    m_option3[0]->setChecked(true);
    for (QCheckBox* c : m_check2)
        c->setChecked(false);
    colourChoices();
    Form_Activate();
}

void frmAutoKoppel::colourChoices()
{
    for (QRadioButton* b : {m_option1[0], m_option1[1], m_option2[0], m_option2[1], m_option3[0], m_option3[1]})
        setRed(b, b->isChecked());
    for (int i = 0; i < 2; ++i)
        setRed(m_eenheid[i], m_option1[i]->isChecked());
    for (QCheckBox* c : m_check2)
        setRed(c, c->isChecked());
}

bool frmAutoKoppel::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(e);
}

void frmAutoKoppel::Form_Activate()
{
    const qint16 vorige = qint16(Toernooi.laatsteRonde - 1);
    const auto p = core::RecordFile<PouleRec>::read(PadPoules(), vorige);
    m_R = p ? p->aantalPoules : 0;
    CountPlayersPerPoule();
}

void frmAutoKoppel::CountPlayersPerPoule()
{
    const qint16 vorige = qint16(Toernooi.laatsteRonde - 1);
    m_spelersPerPoule.assign(size_t(qMax<int>(m_R, 0)), 0);
    int t = 0;
    core::RecordFile<SpelerRec>::scan(PadSpelers(), [&](const SpelerRec& s, qint64) {
        if (s.ronde != vorige)
            return true;
        ++t;
        if (s.poule >= 1 && s.poule <= m_R)
            ++m_spelersPerPoule[size_t(s.poule - 1)];
        return true;
    });
    m_T = qint16(qMin(t, 32767));
}

core::AutoKeuze frmAutoKoppel::choices() const
{
    core::AutoKeuze k;
    k.kiesAantal = m_option2[0]->isChecked();
    k.aantalSpelers = m_text1->text();
    for (int i = 0; i < 3; ++i)
        k.ookPlaats[size_t(i)] = m_check2[i]->isChecked();
    k.opMatchpunten = m_option3[0]->isChecked();
    k.vastAantalPoules = m_option1[0]->isChecked();
    k.aantalPoules = m_text2->text();
    k.maxPerPoule = m_text3->text();
    return k;
}

void frmAutoKoppel::Command2_Click()
{
    if (!CheckTournamentFiles(FileToernooi | FileSpelers | FileUitslag | FilePoules, this, CheckForm::Closing))
        return;
    Form_Activate();
    const core::AutoKeuze keuze = choices();
    const core::AutoPlan plan = core::planAutoCarryOver(keuze, m_R, m_T, m_spelersPerPoule);
    if (!plan.ok) {
        platform::MsgBox(plan.melding, platform::vbExclamation, MeldingTitel);
        switch (plan.veld) {
        case core::InvoerVeld::Text1: m_text1->setFocus(); break;
        case core::InvoerVeld::Text2: m_text2->setFocus(); break;
        case core::InvoerVeld::Text3: m_text3->setFocus(); break;
        case core::InvoerVeld::Geen: break;
        }
        return;
    }
    const qint16 vorige = qint16(Toernooi.laatsteRonde - 1);
    const auto normaal = standingsOfRound(m_R, vorige, false);
    const auto mp = keuze.opMatchpunten ? standingsOfRound(m_R, vorige, true) : std::vector<core::Standings>{};
    const auto spelers = core::RecordFile<SpelerRec>::readAll(PadSpelers());
    const auto uitslagen =
        core::RecordFile<UitslagRec>::readWhere(PadUitslag(), [&](const UitslagRec& u) { return u.ronde == vorige; });
    const core::AutoResultaat res =
        core::buildAutoCarryOver(plan, keuze.opMatchpunten, keuze.vastAantalPoules, core::leadingValue(keuze.maxPerPoule),
                                 normaal, mp, spelers, uitslagen, Toernooi, vorige, Toernooi.laatsteRonde, Randomizer());
    m_N = qint16(res.N);
    m_P = qint16(res.P);
    m_S = qint16(res.S);

    m_list->clear();
    for (const core::AutoRij& r : res.rijen) {
        QTreeWidgetItem* it = rounds::NewListItem({r.nr, r.naam, r.vl, r.car, r.moy, r.poule});
        for (int c : {KolCar, KolMoy, KolPoule})
            it->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        m_list->addTopLevelItem(it);
    }
    platform::FitColumns(m_list);
    m_label4->setText(signedNum(Toernooi.laatsteRonde));
    m_label5->setText(signedNum(m_N));
    m_label6->setText(signedNum(m_P));
    m_label7->setText(signedNum(m_S));
    m_toon->setEnabled(false);
}

void frmAutoKoppel::Command4_Click()
{
    m_list->clear();
    platform::FitColumns(m_list);
    m_label4->clear();
    m_label5->clear();
    m_label6->clear();
    m_label7->clear();
    m_toon->setEnabled(true);
}

std::vector<core::AutoRij> frmAutoKoppel::ShownRows() const
{
    std::vector<core::AutoRij> rows;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* it = m_list->topLevelItem(i);
        rows.push_back({it->text(KolNr), it->text(KolNaam), it->text(KolVl), it->text(KolCar), it->text(KolMoy),
                        it->text(KolPoule)});
    }
    return rows;
}

void frmAutoKoppel::Command3_Click()
{
    if (m_list->topLevelItemCount() == 0) {
        platform::Beep();
        return;
    }
    if (!CheckTournamentFiles(FileToernooi | FileSpelers | FileUitslag | FilePoules, this, CheckForm::Closing))
        return;
    const auto rows = ShownRows();
    QString why;
    if (!core::commitAutoCarryOver({PadSpelers(), PadPoules(), PadHerstel()}, rows, Toernooi.laatsteRonde, m_P, &why)) {
        rounds::ReportNothingCarried(why);
        return;
    }
    if (!rows.empty())
        Speler = core::recordFromRow(rows.back(), Toernooi.laatsteRonde);
    ReadPoule(Toernooi.laatsteRonde);
    AantalPoules = m_P;
    platform::MsgBox(QStringLiteral("Spelers doorgekoppeld !"), platform::vbInformation, QStringLiteral("Gereed"));
    close();
}

void frmAutoKoppel::ListView1_ColumnClick(int column)
{
    if (column == KolNr || column == KolNaam)
        m_list->sortItems(column, Qt::AscendingOrder);
}

void frmAutoKoppel::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("But02")) {
        close();
    } else if (key == QLatin1String("But04")) {
        if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::Closing))
            return;
        PrintCarryOverResult();
    } else if (key == QLatin1String("But05")) {
        if (!CheckTournamentFiles(FileSpelers, this, CheckForm::Closing))
            return;
        frmZoek zoek(this);
        zoek.exec();
        Form_Activate();
    } else if (key == QLatin1String("But06")) {
        rounds::ShowHelpLines({
            QStringLiteral("U kunt hier aangeven welke spelers naar de nieuwe ronde doorgekoppeld moeten worden en hoe "
                           "de poule-samenstelling er uit moet zien."),
            QStringLiteral("Let op:"),
            QStringLiteral("1. Automatisch doorkoppelen kan maar één keer per ronde."),
            QStringLiteral("2. Na handmatig doorkoppelen is automatisch doorkoppelen niet meer mogelijk."),
            QStringLiteral("3. Met Toon resultaat wordt nog niets opgeslagen; dat gebeurt pas met Doorkoppelen."),
            QStringLiteral("4. De spelers worden willekeurig over de nieuwe poules verdeeld."),
            QStringLiteral("Daarna kunt u via Handmatig doorkoppelen of Poulebeheer nog spelers toevoegen."),
        });
    }
}

void frmAutoKoppel::Command1_Click(int index)
{
    QStringList t;
    switch (index) {
    case 0:
        t = {QStringLiteral("U kunt bij deze keuze aangeven hoeveel spelers doorgekoppeld moeten worden."),
             QStringLiteral("Alle poule-winnaars gaan in ieder geval door."),
             QStringLiteral("Daarna worden de (beste) nummers 2, 3, enz. gekozen totdat het aantal is bereikt."),
             QStringLiteral("Het aantal ligt tussen het aantal poules en het aantal spelers van de vorige ronde.")};
        break;
    case 1:
        t = {QStringLiteral("U kunt bij deze keuze aangeven welke spelers uit de poule doormoeten."),
             QStringLiteral("De poule-winnaars gaan altijd door; daarna eventueel alle nummers 2, 3 en 4."),
             QStringLiteral("U kunt daarbij geen plaats overslaan.")};
        break;
    case 2:
        t = {QStringLiteral("Bij deze keuze kunt u vooraf het aantal nieuwe poules opgeven."),
             QStringLiteral("U kunt ook een maximaal aantal spelers per poule opgeven;"),
             QStringLiteral("het aantal poules volgt dan vanzelf.")};
        break;
    case 3:
        t = {QStringLiteral("Op grond van uw keuzes wordt in de rechter lijst het resultaat getoond."),
             QStringLiteral("Er wordt nog niets opgeslagen."),
             QStringLiteral("Met Clear kunt u opnieuw beginnen.")};
        break;
    case 4:
        t = {QStringLiteral("Met deze knop worden de getoonde spelers feitelijk doorgekoppeld."),
             QStringLiteral("De spelers worden willekeurig in een poule geplaatst."),
             QStringLiteral("Ze worden opgeslagen zoals ze in de lijst staan."),
             QStringLiteral("Daarna kunt u de automatische doorkoppeling voor deze ronde niet meer gebruiken."),
             QStringLiteral("Print eventueel eerst het resultaat.")};
        break;
    case 5:
        t = {QStringLiteral("Clear maakt de lijst leeg zonder dat er spelers worden doorgekoppeld.")};
        break;
    default:
        t = {QStringLiteral("Een voorbeeld: als u 10 spelers naar de volgende ronde wilt doorkoppelen en u heeft 3 "
                            "poules in de vorige ronde, dan moet er uit één poule een nummer 4 door."),
             QStringLiteral("Met Stand op basis van MP gaat de nummer 4 met de meeste matchpunten door."),
             QStringLiteral("Met Hoogste moyenne gaat de nummer 4 met het hoogste moyenne door."),
             QStringLiteral("Bij gelijke stand beslissen de overige criteria van het toernooi.")};
        break;
    }
    rounds::ShowHelpLines(t);
}

void frmAutoKoppel::PrintCarryOverResult()
{
    const auto rows = ShownRows();
    if (rows.empty()) {
        platform::Beep();
        return;
    }
    PrintCarryOverRows(rows);
}

void frmAutoKoppel::PrintCarryOverRows(const std::vector<core::AutoRij>& rows)
{
    using platform::Tab;
    print::RunPrint(
        QStringLiteral("frmAutoKoppel / Resultaat printen"),
        [&] {
            platform::ShowPrintDialog();
            auto& P = platform::printer();
            P.setOrientation(platform::OrientationPortrait);
            P.setFontName(QStringLiteral("Times New Roman"));
            PrintPageHeader(1, PrintTitel, 1);
            PrintPagina = 1;
            PrintRegel = 0;
            // The initials go as far right as the longest name needs, while the widest still end before
            // the targets.
            QStringList namen, voorletters;
            int car = 0;
            for (const core::AutoRij& r : rows) {
                namen << r.naam;
                voorletters << r.vl;
                car = std::max(car, core::DigitCount(qint64(r.car.toLongLong())));
            }
            constexpr int RijenPerPagina = 49;
            P.setFontSize(12);
            const int vl = print::ColumnAfterNames(P, namen, 17, 44, voorletters, 60 - car);
            QList<QList<platform::PrintItem>> regels;
            for (const core::AutoRij& r : rows) {
                core::Fixed moy;
                core::Fixed::parse(r.moy, &moy);
                regels.append({Tab(8), r.nr, Tab(17), r.naam, Tab(vl), r.vl,
                               Tab(60 - core::DigitCount(qint64(r.car.toLongLong()))), r.car,
                               Tab(79 - core::DigitCount(moy)), r.moy,
                               Tab(100 - core::DigitCount(qint64(r.poule.toLongLong()))), r.poule});
            }
            // Continuation pages keep the size the page header leaves behind.
            const auto rijen = [&] {
                return print::RowGrid::fit(P, print::RowsOnPage(regels.size(), RijenPerPagina, PrintPagina), 1,
                                           regels);
            };
            print::RowGrid rij = rijen();
            auto kopjes = [&P, vl] {
                P.setFontBold(true);
                P.Print({Tab(7), "Nr", Tab(16), "Naam", Tab(vl - 3), "Vl", Tab(50), "CarNieuw", Tab(70), "MoyNieuw",
                         Tab(90), "Poule"});
                P.setFontBold(false);
            };
            kopjes();
            for (TellerI = 1; TellerI <= qint32(rows.size()); ++TellerI) {
                rij.place(P, PrintRegel);
                print::PrintFitted(P, regels[TellerI - 1]);
                ++PrintRegel;
                if (PrintRegel >= RijenPerPagina) {
                    PrintRegel = 0;
                    ++PrintPagina;
                    P.NewPage();
                    PrintPageHeader(1, PrintTitel, PrintPagina);
                    rij = rijen();
                    kopjes();
                }
            }
            P.EndDoc();
        },
        print::OtherErrors::Silent);
}
