#include "frmGaNaarRonde.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/format.h"
#include "core/rounds.h"
#include "platform/msgbox.h"
#include "roundsui.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace modStootplanner;
using core::signedNum;

frmGaNaarRonde::frmGaNaarRonde(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmGaNaarRonde"));
    setWindowTitle(QStringLiteral(" Ga naar ronde"));
    setModal(true);
    auto* top = new QVBoxLayout(this);
    auto* regel = new QHBoxLayout;
    auto* l1 = new QLabel(QStringLiteral("U bent momenteel in ronde"), this);
    l1->setObjectName(QStringLiteral("Label1"));
    m_huidig = new QLabel(this);
    m_huidig->setObjectName(QStringLiteral("Label2"));
    regel->addWidget(l1);
    regel->addWidget(m_huidig);
    regel->addStretch(1);
    top->addLayout(regel);

    auto* keuze = new QGroupBox(QStringLiteral(" Maak uw keuze "), this);
    keuze->setObjectName(QStringLiteral("Frame1"));
    auto* k = new QHBoxLayout(keuze);
    auto* l3 = new QLabel(QStringLiteral("Kies andere ronde"), keuze);
    l3->setObjectName(QStringLiteral("Label3"));
    m_rondes = new QComboBox(keuze);
    m_rondes->setObjectName(QStringLiteral("Combo1"));
    m_rondes->setMinimumWidth(rounds::Px(1200));
    k->addWidget(l3);
    k->addWidget(m_rondes);
    k->addStretch(1);
    top->addWidget(keuze);

    auto* knoppen = new QHBoxLayout;
    m_ga = new QPushButton(QStringLiteral("Ga naar andere ronde"), this);
    m_ga->setObjectName(QStringLiteral("Command1"));
    m_ga->setToolTip(QStringLiteral("Naar andere ronde"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Command2"));
    m_cancel->setToolTip(QStringLiteral("Geen ronde kiezen"));
    m_help = new QPushButton(QStringLiteral("?"), this);
    m_help->setObjectName(QStringLiteral("Command3"));
    m_help->setFixedWidth(rounds::Px(450));
    knoppen->addWidget(m_ga);
    knoppen->addWidget(m_cancel);
    knoppen->addStretch(1);
    knoppen->addWidget(m_help);
    top->addLayout(knoppen);

    connect(m_ga, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(m_help, &QPushButton::clicked, this, [this] { Command3_Click(); });
    Form_Load();
}

void frmGaNaarRonde::Form_Load()
{
    m_huidig->setText(QString::number(HuidigeRonde));
    m_rondes->clear();
    m_rondes->addItems(core::roundChoices(Toernooi.laatsteRonde));
    m_rondes->setCurrentIndex(-1);
}

void frmGaNaarRonde::Command1_Click() { SwitchWorkingRound(); }

void frmGaNaarRonde::Command2_Click() { reject(); }

void frmGaNaarRonde::Command3_Click()
{
    rounds::ShowHelpLines({QStringLiteral("Kies de ronde die u wenst en click op Ga naar andere ronde.")});
}

void frmGaNaarRonde::SwitchWorkingRound()
{
    const int pos = m_rondes->currentIndex();
    if (pos < 0)
        return;
    if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::Closing))
        return;
    const qint16 ronde = qint16(pos + 1);
    if (ronde == HuidigeRonde) {
        platform::MsgBox(QStringLiteral("U werkt al in de gekozen ronde !"), platform::vbInformation, MeldingTitel);
        return;
    }
    HuidigeRonde = ronde;
    ShowCurrentRound();
    if (ReadPoule(HuidigeRonde))
        AantalPoules = Poule.aantalPoules;
    platform::MsgBox(QStringLiteral("U bevindt zich nu in ronde ") + signedNum(HuidigeRonde), platform::vbInformation,
                     QStringLiteral("Gereed"));
    accept();
}
