#include "frmOvSpeler.h"
#include "PrintOvSpeler.h"
#include "app/poulearrows.h"
#include "platform/formgeometry.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/format.h"
#include "core/recordfile.h"
#include "platform/msgbox.h"
#include "poules/frmZoek.h"
#include "standings/frmStandTussen.h"
#include "standings/modStand.h"
#include "standings/standlist.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace modStootplanner;
using modStand::Px;

namespace {

const int PlayerKeyRole = Qt::UserRole;

QPushButton* helpButton(QWidget* parent, const QString& name)
{
    auto* b = new QPushButton(QStringLiteral("?"), parent);
    b->setObjectName(name);
    b->setFixedSize(22, 22);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    return b;
}

} // namespace

frmOvSpeler::frmOvSpeler(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmOvSpeler"));
    setWindowTitle(QStringLiteral("Overzicht per speler"));
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(4, 0, 4, 4);

    m_toolbar = new QToolBar(this);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setIconSize(QSize(22, 22));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    struct Key {
        const char* key;
        const char* tip;
        QStyle::StandardPixmap icon;
    };
    const Key keys[] = {{"But02", "Sluiten", QStyle::SP_DialogCloseButton},
                        {"But03", "Printen", QStyle::SP_FileDialogDetailedView},
                        {"But04", "Zoek speler", QStyle::SP_FileDialogContentsView},
                        {"But05", "Stand in gekozen poule", QStyle::SP_FileDialogListView},
                        {nullptr, nullptr, QStyle::SP_CustomBase},
                        {"But07", "Help", QStyle::SP_DialogHelpButton}};
    for (const Key& k : keys) {
        if (!k.key) {
            m_toolbar->addSeparator();
            continue;
        }
        QAction* a = m_toolbar->addAction(style()->standardIcon(k.icon), QString::fromLatin1(k.tip));
        a->setObjectName(QString::fromLatin1(k.key));
        a->setToolTip(QString::fromLatin1(k.tip));
        const QString key = QString::fromLatin1(k.key);
        connect(a, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
    top->addWidget(m_toolbar);

    auto* body = new QHBoxLayout;
    top->addLayout(body, 1);
    auto* left = new QVBoxLayout;
    body->addLayout(left);

    auto* ronden = new QGroupBox(QStringLiteral(" Kies ronde(n) "), this);
    ronden->setObjectName(QStringLiteral("Frame1"));
    auto* rL = new QGridLayout(ronden);
    m_option1[0] = new QRadioButton(QStringLiteral("Huidige ronde"), ronden);
    m_option1[1] = new QRadioButton(QStringLiteral("Incl. voorgaande ronden"), ronden);
    for (int i = 0; i < 2; ++i) {
        m_option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        rL->addWidget(m_option1[i], i, 0);
        connect(m_option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    m_option1[0]->setChecked(true);
    m_command3 = helpButton(ronden, QStringLiteral("Command3"));
    rL->addWidget(m_command3, 0, 1, Qt::AlignRight | Qt::AlignTop);
    connect(m_command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    left->addWidget(ronden);

    auto* kies = new QGroupBox(QStringLiteral(" Kies poule en speler "), this);
    kies->setObjectName(QStringLiteral("Frame2"));
    auto* kL = new QVBoxLayout(kies);
    kL->setContentsMargins(6, 6, 6, 6);
    auto* pijlen = new QHBoxLayout;
    const QString glyphs[2] = {QStringLiteral("\u25C0"), QStringLiteral("\u25B6")};
    const QString tips[2] = {QStringLiteral("Vorige poule"), QStringLiteral("Volgende poule")};
    for (int i = 0; i < 2; ++i) {
        m_command1[i] = new QPushButton(glyphs[i], kies);
        m_command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        m_command1[i]->setToolTip(tips[i]);
        m_command1[i]->setFixedSize(26, 24);
        connect(m_command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    m_label2 = new QLabel(kies);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setAlignment(Qt::AlignCenter);
    m_label2->setMinimumWidth(30);
    QFont bold = m_label2->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    m_label2->setFont(bold);
    m_combo = new QComboBox(kies);
    m_combo->setObjectName(QStringLiteral("Combo1"));
    m_combo->setPlaceholderText(QStringLiteral("Ga naar poule"));
    m_combo->setMinimumWidth(Px(800));
    connect(m_combo, &QComboBox::activated, this, [this] { Combo1_Click(); });
    m_command2 = helpButton(kies, QStringLiteral("Command2"));
    connect(m_command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    pijlen->addWidget(m_command1[0]);
    pijlen->addWidget(m_label2);
    pijlen->addWidget(m_command1[1]);
    pijlen->addWidget(m_combo);
    pijlen->addStretch(1);
    pijlen->addWidget(m_command2);
    kL->addLayout(pijlen);

    m_players = new QTreeWidget(kies);
    m_players->setObjectName(QStringLiteral("ListView1"));
    modStand::SetupReportList(m_players, {QStringLiteral("Nr"), QStringLiteral("Naam"), QStringLiteral("VL")},
                              {1, 1500, 500}, 3);
    m_players->header()->setMinimumSectionSize(0);
    m_players->setColumnWidth(0, 0);
    m_players->setSortingEnabled(false);
    m_players->header()->setSectionsClickable(true);
    platform::NameColumnGivesWay(m_players, 1);
    connect(m_players->header(), &QHeaderView::sectionClicked, this, [this](int c) { ListView1_ColumnClick(c); });
    connect(m_players, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* it) { ListView1_ItemClick(it); });
    kL->addWidget(m_players, 1);
    auto* label1 = new QLabel(QStringLiteral("Kies speler met click"), kies);
    label1->setObjectName(QStringLiteral("Label1"));
    kL->addWidget(label1);
    left->addWidget(kies, 1);
    m_links[0] = ronden;
    m_links[1] = kies;
    m_linksMin = qMax(ronden->minimumSizeHint().width(), kies->minimumSizeHint().width());

    auto* right = new QVBoxLayout;
    body->addLayout(right, 1);
    auto* kop = new QHBoxLayout;
    auto* label3 = new QLabel(QStringLiteral("Uitslagen van speler"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    m_label4 = new QLabel(this);
    m_label4->setObjectName(QStringLiteral("Label4"));
    QFont groot = m_label4->font();
    groot.setBold(true);
    groot.setPointSizeF(groot.pointSizeF() * 1.25);
    m_label4->setFont(groot);
    label3->setFont(groot);
    kop->addWidget(label3);
    kop->addSpacing(12);
    kop->addWidget(m_label4, 1);
    right->addLayout(kop);

    m_games = new QTreeWidget(this);
    m_games->setObjectName(QStringLiteral("ListView2"));
    const QStringList captions = {"Rnd", "Poule", "Datum", "Pnt", "Car", "Brt", "Moy", "HS",
                                  "% car", "% moy", "Tegenstander", "Pnt", "Car", "Brt", "Moy", "HS"};
    modStand::SetupReportList(m_games, captions,
                              {500, 600, 1000, 500, 600, 600, 800, 600, 800, 800, 1350, 500, 600, 600, 700, 600}, 2);
    // "Tegenstander" and the opponent's "Pnt" are left-aligned as well.
    for (int c : {10, 11})
        m_games->headerItem()->setTextAlignment(c, Qt::AlignLeft | Qt::AlignVCenter);
    m_games->setSortingEnabled(false);
    m_games->setSelectionMode(QAbstractItemView::NoSelection);
    // The opponent's figures stay in view: his name gives way, his initials stay. Where even then the window
    // cannot grow enough for them, the frames on the left narrow, down to what their controls need, and the
    // players' names there give way.
    platform::NameColumnGivesWay(m_games, 10);
    // Measured once the window has its size: while it opens or grows, the list is briefly narrower.
    connect(m_games->horizontalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int meer) {
        if (meer > 0)
            QTimer::singleShot(0, this, [this] {
                if (const int meer = m_games->horizontalScrollBar()->maximum(); meer > 0)
                    setLinks(m_links[0]->width() - meer);
            });
    });
    right->addWidget(m_games, 1);

    Form_Load();
}

void frmOvSpeler::showEvent(QShowEvent* e)
{
    if (!m_placed) {
        m_placed = true;
        platform::placeChildWindow(this, 0, 0, 14470, 9290);
    }
    QWidget::showEvent(e);
}

void frmOvSpeler::Form_Load()
{
    platform::placeChildWindow(this, 0, 0, 14470, 9290);
    HuidigePoule = 1;
    m_combo->clear();
    for (int p = 1; p <= AantalPoules; ++p)
        m_combo->addItem(core::signedNum(p));
    m_combo->setCurrentIndex(0);
    Combo1_Click();
}

void frmOvSpeler::Combo1_Click()
{
    const int index = m_combo->currentIndex();
    if (index < 0)
        return;
    if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::PouleChooser))
        return;
    HuidigePoule = qint16(index + 1);
    m_label2->setText(QString::number(HuidigePoule));
    m_command1[0]->setEnabled(HuidigePoule != 1);
    m_command1[1]->setEnabled(HuidigePoule != AantalPoules && AantalPoules > 1);
    LoadOverviewPlayers();
    ClearGames();
}

void frmOvSpeler::Command1_Click(int index)
{
    if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::Closing))
        return;
    if (!StepPoule(index, HuidigePoule, AantalPoules, m_command1[0], m_command1[1]))
        return;
    m_label2->setText(QString::number(HuidigePoule));
    m_combo->setCurrentIndex(-1);
    Combo1_Click();
    LoadOverviewPlayers();
    ClearGames();
}

void frmOvSpeler::ClearGames()
{
    m_games->clear();
    platform::FitColumns(m_games);
    m_label4->clear();
}

void frmOvSpeler::LoadOverviewPlayers()
{
    m_players->clear();
    m_list.clear();
    if (!FileExists(PadSpelers()))
        return;
    const auto spelers = core::RecordFile<core::SpelerRec>::readWhere(
        PadSpelers(), [&](const core::SpelerRec& s) { return s.ronde == HuidigeRonde && s.poule == HuidigePoule; });
    m_list = core::overviewPlayers(spelers, HuidigeRonde, HuidigePoule);
    TellerI = qint32(m_list.size());
    ListView1_ColumnClick(1);
}

void frmOvSpeler::FillPlayerList()
{
    m_players->clear();
    QList<QTreeWidgetItem*> items;
    for (const core::OverviewPlayer& p : m_list) {
        auto* it = new QTreeWidgetItem;
        it->setText(0, p.nr);
        it->setText(1, p.naam);
        it->setText(2, p.voorletters);
        it->setData(0, PlayerKeyRole, QString::number(p.volgnummer) + QLatin1Char('Q'));
        items.append(it);
    }
    m_players->addTopLevelItems(items);
    platform::FitColumns(m_players);
    // The frames on the left as wide as their controls, and the players' names and initials, need, up to a
    // third of the window: the game list keeps the rest for all its columns, an opponent's long name included.
    const QMargins rand = m_links[1]->contentsMargins() + m_links[1]->layout()->contentsMargins();
    int links = platform::ListWidthForColumns(m_players) + rand.left() + rand.right();
    const QAbstractItemView* lijst = m_players;
    for (int c = 0; c < m_players->columnCount(); ++c)   // a name that has given way counts whole
        if (m_players->columnWidth(c) > 1)
            links += qMax(0, lijst->sizeHintForColumn(c) - m_players->columnWidth(c));
    m_linksVol = qBound(m_linksMin, links, Px(14470) / 3);
    setLinks(m_linksVol);
}

void frmOvSpeler::setLinks(int breed)
{
    for (QWidget* frame : m_links)
        frame->setFixedWidth(qBound(m_linksMin, breed, qMax(m_linksMin, m_linksVol)));
}

void frmOvSpeler::ListView1_ColumnClick(int column)
{
    if (column != 0 && column != 1)
        return;
    core::sortOverviewPlayers(m_list, column);
    FillPlayerList();
}

void frmOvSpeler::ListView1_ItemClick(QTreeWidgetItem* item)
{
    if (!item)
        return;
    m_label4->setText(core::rightTrimmed(item->text(2)) + QLatin1Char(' ') + core::rightTrimmed(item->text(1)));
    m_games->clear();
    HuidigeSpeler = item->text(0).toInt();

    // Only this player's games are held, of every round: a huge file costs no memory.
    const std::vector<core::UitslagRec> uitslagen = core::RecordFile<core::UitslagRec>::readWhere(
        PadUitslag(), [&](const core::UitslagRec& u) {
            return u.speler1.nummer == HuidigeSpeler || u.speler2.nummer == HuidigeSpeler;
        });
    core::OverviewInput in;
    in.speler = HuidigeSpeler;
    in.huidigeRonde = HuidigeRonde;
    in.alleRonden = m_option1[1]->isChecked();
    in.huidigePoule = HuidigePoule;
    in.aantalDecimalen = Toernooi.aantalDecimalen;
    in.uitslagen = &uitslagen;
    in.fullName = [](qint32 nummer) { return PlayerFullName(nummer); };
    in.standings = [](int poule, int ronde) {
        modStand::ComputeStandings(qint16(poule), qint16(ronde), false);
        return modStand::CurrentStandings();
    };
    const std::vector<core::OverviewRow> rows = core::buildPlayerOverview(in);

    QList<QTreeWidgetItem*> items;
    int key = 0;
    for (const core::OverviewRow& r : rows) {
        auto* it = new QTreeWidgetItem;
        it->setText(0, r.text);
        for (int i = 0; i < r.sub.size(); ++i)
            it->setText(i + 1, r.sub.at(i));
        for (int c = 0; c < m_games->columnCount(); ++c)
            it->setTextAlignment(c, Qt::Alignment(m_games->headerItem()->textAlignment(c)));
        it->setData(0, Qt::UserRole, QString::number(++key) + QLatin1Char('P'));
        it->setData(0, Qt::UserRole + 1, int(r.kind));
        if (r.kind == core::OverviewRow::Subtotal || r.kind == core::OverviewRow::Total) {
            QFont f = m_games->font();
            f.setBold(true);
            for (int c = 0; c < m_games->columnCount(); ++c)
                it->setFont(c, f);
        }
        items.append(it);
    }
    m_games->addTopLevelItems(items);
    platform::FitColumns(m_games);
}

void frmOvSpeler::PrintPlayerOverview() { overviews::PrintPlayerOverview(m_label4->text(), GameRows()); }

std::vector<core::OverviewRow> frmOvSpeler::GameRows() const
{
    std::vector<core::OverviewRow> out;
    for (int i = 0; i < m_games->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* it = m_games->topLevelItem(i);
        core::OverviewRow r;
        r.kind = core::OverviewRow::Kind(it->data(0, Qt::UserRole + 1).toInt());
        r.text = it->text(0);
        for (int c = 1; c <= core::OverviewSubItems; ++c)
            r.sub << it->text(c);
        out.push_back(r);
    }
    return out;
}

void frmOvSpeler::Option1_Click(int)
{
    ClearGames();
}

void frmOvSpeler::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("But02")) {
        close();
    } else if (key == QLatin1String("But03")) {
        if (!CheckTournamentFiles(FileToernooi | FileSpelers | FileUitslag | FilePoules, this, CheckForm::Closing))
            return;
        if (m_games->topLevelItemCount() == 0) {
            platform::Beep();
            return;
        }
        PrintPlayerOverview();
    } else if (key == QLatin1String("But04")) {
        if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::Closing))
            return;
        frmZoek zoek(this);
        zoek.exec();
    } else if (key == QLatin1String("But05")) {
        TussenstandPoule = HuidigePoule;
        frmStandTussen tussen(this);
        tussen.exec();
    } else if (key == QLatin1String("But07")) {
        MeldingTekst = QStringLiteral("U kunt hier een overzicht per speler oproepen.\r\n"
                                      "Kies eerst de poule en klik dan op de naam van de speler; rechts ziet u alle "
                                      "partijen die hij heeft gespeeld, met per ronde een subtotaal en onderaan het "
                                      "totaal.\r\n"
                                      "Via de knoppen bovenaan kunt u het overzicht uitprinten, een speler zoeken en "
                                      "de stand in de gekozen poule bekijken.\r\n"
                                      "Met de keuze bij ronde(n) bepaalt u of alleen de huidige ronde of ook de "
                                      "voorgaande ronden worden getoond.");
        HelpGroot = false;
        ShowHelp();
    }
}

void frmOvSpeler::Command2_Click()
{
    MeldingTekst = QStringLiteral("Kies de juiste poule met de pijltjes vorige of volgende.\r\n"
                                  "U kunt ook direct naar een poule gaan met de keuzelijst \"Ga naar poule\".");
    HelpGroot = false;
    ShowHelp();
}

void frmOvSpeler::Command3_Click()
{
    MeldingTekst = QStringLiteral("U kunt hier kiezen of van de gekozen speler alleen de uitslagen worden getoond van "
                                  "de huidige ronde of ook van alle voorgaande ronden (indien beschikbaar uiteraard).");
    HelpGroot = false;
    ShowHelp();
}
