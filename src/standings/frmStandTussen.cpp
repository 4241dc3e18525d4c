#include "frmStandTussen.h"
#include "platform/keytoolbar.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/format.h"
#include "modStand.h"
#include "standlist.h"

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace modStootplanner;
using modStand::Px;

frmStandTussen::frmStandTussen(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmStandTussen"));
    auto* top = new QVBoxLayout(this);
    m_toolbar = platform::makeKeyToolbar(this,
                                         {{"But02", "Sluiten", QStyle::SP_DialogCloseButton, "Stand sluiten"},
                                          {"But04", "Help", QStyle::SP_DialogHelpButton}},
                                         [this](const QString& key) { Toolbar1_ButtonClick(key); });
    top->addWidget(m_toolbar);

    auto* frame = new QGroupBox(QStringLiteral(" Stand in gekozen poule (in huidige ronde) "), this);
    auto* fL = new QVBoxLayout(frame);
    m_list = new QTreeWidget(frame);
    m_list->setObjectName(QStringLiteral("ListView3"));
    // The list's widths are made for the classic 8-pt dialog font.
    m_list->setFont(QFont(QStringLiteral("Arial"), 8));
    modStand::SetupReportList(
        m_list,
        {QStringLiteral("Pos"), QStringLiteral("Naam"), QStringLiteral("VL"), QStringLiteral("Prt"),
         QStringLiteral("Pnt"), QStringLiteral("Car"), QStringLiteral("Brt"), QStringLiteral("Moy"),
         QStringLiteral("HS"), QStringLiteral("P.moy"), QStringLiteral("% car"), QStringLiteral("% moy"),
         QStringLiteral("W"), QStringLiteral("R"), QStringLiteral("V")},
        {500, 1700, 500, 500, 500, 600, 600, 800, 600, 800, 900, 900, 450, 450, 450}, 3);
    platform::NameColumnGivesWay(m_list, 1);
    fL->addWidget(m_list);
    top->addWidget(frame, 1);

    // Out of sight; Escape and Enter still reach it.
    m_close = new QPushButton(QStringLiteral("Sluiten"), this);
    m_close->setObjectName(QStringLiteral("Command1"));
    m_close->setGeometry(Px(15000), 0, 60, 20);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    resize(Px(11700), Px(5200));
    Form_Load();
}

void frmStandTussen::Form_Load()
{
    setWindowTitle(QStringLiteral("Stand in poule ") + core::signedNum(TussenstandPoule));
    CountPlayersInPoule(TussenstandPoule);
    modStand::ComputeStandings(TussenstandPoule, HuidigeRonde, false);
    FillTussenList();
}

void frmStandTussen::FillTussenList()
{
    const int n = AantalSpelersInPoule;
    const QList<core::StandLine> lines =
        n > 0 ? core::standLines(modStand::CurrentStandings(), n, Toernooi.aantalDecimalen, false)
              : QList<core::StandLine>();
    modStand::FillReportList(m_list, lines);
}

void frmStandTussen::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("But02")) {
        accept();
    } else if (key == QLatin1String("But04")) {
        MeldingTekst = QStringLiteral("Ter info de stand in deze poule.");
        HelpGroot = false;
        ShowHelp();
    }
}
