#include "frmWinnars.h"
#include "platform/caromballs.h"
#include "platform/formgeometry.h"
#include "platform/keytoolbar.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/format.h"
#include "core/standings.h"
#include "modStand.h"
#include "platform/msgbox.h"
#include "standlist.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace modStootplanner;
using modStand::Px;

namespace {

constexpr int KolPlaats = 4;

// Three carom balls on the cloth.
QPixmap decorativePicture(int w, int h)
{
    QPixmap pm(w, h);
    pm.fill(QColor(0, 100, 40));
    QPainter p(&pm);
    platform::PaintCaromBalls(p,
                              {{QPointF(0.30 * w, 0.35 * h), QColor(250, 250, 245)},
                               {QPointF(0.62 * w, 0.55 * h), QColor(240, 210, 60)},
                               {QPointF(0.42 * w, 0.75 * h), QColor(200, 30, 30)}},
                              std::min(w, h) * 0.12);
    return pm;
}

} // namespace

frmWinnars::frmWinnars(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmWinnars"));
    setWindowTitle(QStringLiteral("Lijstje poulewinnaars"));
    auto* top = new QVBoxLayout(this);
    m_toolbar = platform::makeKeyToolbar(this,
                                         {{"But02", "Sluiten", QStyle::SP_DialogCloseButton},
                                          {"But03", "Printen", QStyle::SP_FileDialogDetailedView},
                                          {"But05", "Help", QStyle::SP_DialogHelpButton}},
                                         [this](const QString& key) { Toolbar1_ButtonClick(key); });
    top->addWidget(m_toolbar);

    auto* mid = new QHBoxLayout;
    top->addLayout(mid, 1);
    auto* left = new QVBoxLayout;
    mid->addLayout(left);
    auto* keuze = new QGroupBox(QStringLiteral(" Maak uw keuze "), this);
    auto* kL = new QVBoxLayout(keuze);
    const char* captions[] = {nullptr, "Toon eersten in poule", "Toon ook tweeden", "Toon ook derden",
                              "Toon ook vierden"};
    for (int i = 1; i <= 4; ++i) {
        m_command1[i] = new QPushButton(QString::fromLatin1(captions[i]), keuze);
        m_command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        kL->addWidget(m_command1[i]);
        connect(m_command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    left->addWidget(keuze);
    auto* plaatje = new QGroupBox(this);
    auto* pL = new QVBoxLayout(plaatje);
    m_picture = new QLabel(plaatje);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setPixmap(decorativePicture(Px(2000), Px(1650)));
    pL->addWidget(m_picture);
    left->addWidget(plaatje);
    left->addStretch(1);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ListView1"));
    // The list's widths are made for the classic 8-pt dialog font.
    m_list->setFont(QFont(QStringLiteral("Arial"), 8));
    modStand::SetupReportList(m_list,
                              {QStringLiteral("Nr"), QStringLiteral("Naam"), QStringLiteral("VL"),
                               QStringLiteral("Poule"), QStringLiteral("Plaats"), QStringLiteral("Pnt"),
                               QStringLiteral("Moy"), QStringLiteral("% Car"), QStringLiteral("% Moy")},
                              {600, 2000, 800, 650, 700, 500, 800, 900, 900}, 3);
    m_list->header()->setSectionsClickable(true);
    connect(m_list->header(), &QHeaderView::sectionClicked, this, [this](int c) { ListView1_ColumnClick(c); });
    // Every column in view: the frames on the left take what is left over.
    m_list->setMinimumWidth(platform::ListWidthForColumns(m_list));
    platform::NameColumnGivesWay(m_list, 1);
    mid->addWidget(m_list, 1);
    Form_Load();
}

void frmWinnars::Form_Load()
{
    platform::placeChildWindow(this, 1700, 1000, 10995, 6855);
    FillWinnersList(1);
}

void frmWinnars::showEvent(QShowEvent* e)
{
    // Inside the main window only the frame around the form can be placed.
    if (!m_placed) {
        m_placed = true;
        platform::placeChildWindow(this, 1700, 1000, 10995, 6855);
    }
    QWidget::showEvent(e);
}

void frmWinnars::FillWinnersList(int k)
{
    m_list->clear();
    m_list->setSortingEnabled(false);
    const int dec = Toernooi.aantalDecimalen == 2 ? 2 : 3;
    QList<QTreeWidgetItem*> items;
    for (int p = 1; p <= AantalPoules; ++p) {
        const int n = core::countPlayersInPoule(PadSpelers(), p, HuidigeRonde);
        if (n < 1)
            continue;
        modStand::ComputeStandings(qint16(p), HuidigeRonde, false);
        for (int q = 1; q <= k && q <= n; ++q) {
            int r = 0;
            for (int i = 1; i <= n && i <= modStand::StandAantal; ++i) {
                if (modStand::StandPositieAt(i) == q) {
                    r = i;
                    break;
                }
            }
            if (r == 0)
                continue;
            const qint32 nummer = qint32(modStand::StandTabel(r, core::KolNummer).wholePart());
            auto* it = new QTreeWidgetItem;
            it->setText(0, PadNumber5(nummer));
            it->setText(1, PlayerName(nummer));
            it->setText(2, PlayerInitials(nummer));
            it->setText(3, core::signedNum(p));
            it->setText(4, core::signedNum(q));
            it->setText(5, core::standWholeText(modStand::StandTabel(r, core::KolPunten)));
            it->setText(6, core::truncatedText(modStand::StandTabel(r, core::KolMoyenne), dec));
            it->setText(7, core::truncatedText(modStand::StandTabel(r, core::KolProcentCar), dec));
            it->setText(8, core::truncatedText(modStand::StandTabel(r, core::KolProcentMoy), dec));
            for (int c = 0; c < 9; ++c)
                it->setTextAlignment(c, Qt::Alignment(m_list->headerItem()->textAlignment(c)));
            items.append(it);
        }
    }
    m_list->addTopLevelItems(items);
    platform::FitColumns(m_list);
    ListView1_ColumnClick(KolPlaats);
}

void frmWinnars::Command1_Click(int index)
{
    FillWinnersList(index);
}

void frmWinnars::ListView1_ColumnClick(int column)
{
    if (column != KolPlaats)
        return;
    // A stable sort: equal places keep their poule order.
    m_list->sortItems(KolPlaats, Qt::AscendingOrder);
}

QList<modStand::WinnerLine> frmWinnars::WinnerLines() const
{
    QList<modStand::WinnerLine> out;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* it = m_list->topLevelItem(i);
        modStand::WinnerLine l;
        for (int c = 0; c < 9; ++c)
            l << it->text(c);
        out.append(l);
    }
    return out;
}

void frmWinnars::PrintWinnersList()
{
    modStand::PrintWinnersLines(WinnerLines());
}

void frmWinnars::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("But02")) {
        close();
    } else if (key == QLatin1String("But03")) {
        if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::Closing))
            return;
        if (m_list->topLevelItemCount() == 0) {
            platform::Beep();
            return;
        }
        PrintWinnersList();
    } else if (key == QLatin1String("But05")) {
        MeldingTekst = QStringList{QStringLiteral("U kunt hier een lijstje oproepen van de spelers die op plaats 1 "
                                                  "tot en met 4 zijn geëindigd in de poules."),
                                   QStringLiteral("Kies met de knoppen hoeveel plaatsen per poule u wilt zien."),
                                   QStringLiteral("De lijst is gesorteerd op plaats: eerst alle eersten, dan de "
                                                  "tweeden, enzovoort."),
                                   QStringLiteral("Met de knop Printen drukt u het lijstje af.")}
                           .join(QStringLiteral("\r\n"));
        HelpGroot = false;
        ShowHelp();
    }
}
