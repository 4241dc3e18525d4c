#include "frmNieuweRonde.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/format.h"
#include "core/rounds.h"
#include "platform/msgbox.h"
#include "roundsui.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace modStootplanner;
using core::signedNum;

frmNieuweRonde::frmNieuweRonde(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmNieuweRonde"));
    setWindowTitle(QStringLiteral("Nieuwe ronde maken"));
    setModal(true);
    auto* top = new QVBoxLayout(this);

    auto* situatie = new QGroupBox(QStringLiteral(" Situatie "), this);
    situatie->setObjectName(QStringLiteral("Frame1"));
    auto* g = new QGridLayout(situatie);
    auto label = [&](const QString& name, const QString& text, QWidget* parent) {
        auto* l = new QLabel(text, parent);
        l->setObjectName(name);
        return l;
    };
    m_aantalRonden = label(QStringLiteral("Label2"), QString(), situatie);
    m_huidig = label(QStringLiteral("Label4"), QString(), situatie);
    g->addWidget(label(QStringLiteral("Label1"), QStringLiteral("Uw toernooi heeft momenteel"), situatie), 0, 0);
    g->addWidget(m_aantalRonden, 0, 1);
    g->addWidget(label(QStringLiteral("Label3"), QStringLiteral("ronde(n)"), situatie), 0, 2);
    g->addWidget(label(QStringLiteral("Label7"), QStringLiteral("U bevindt zich momenteel in ronde"), situatie), 1, 0);
    g->addWidget(m_huidig, 1, 1);
    g->setColumnStretch(3, 1);
    top->addWidget(situatie);

    auto* nieuw = new QGroupBox(QStringLiteral(" Nieuwe ronde aanmaken "), this);
    nieuw->setObjectName(QStringLiteral("Frame2"));
    auto* n = new QGridLayout(nieuw);
    m_nieuw = label(QStringLiteral("Label6"), QString(), nieuw);
    n->addWidget(label(QStringLiteral("Label5"), QStringLiteral("U kunt ronde"), nieuw), 0, 0);
    n->addWidget(m_nieuw, 0, 1);
    n->addWidget(label(QStringLiteral("Label8"), QStringLiteral("aanmaken"), nieuw), 0, 2);
    n->setColumnStretch(3, 1);
    m_maak = new QPushButton(nieuw);
    m_maak->setObjectName(QStringLiteral("Command1"));
    m_maak->setToolTip(QStringLiteral("Nieuwe ronde aanmaken"));
    n->addWidget(m_maak, 1, 0, 1, 4);
    top->addWidget(nieuw);

    auto* knoppen = new QHBoxLayout;
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Command2"));
    m_cancel->setToolTip(QStringLiteral("Geen ronde maken"));
    m_help = new QPushButton(QStringLiteral("?"), this);
    m_help->setObjectName(QStringLiteral("Command3"));
    m_help->setFixedWidth(rounds::Px(450));
    knoppen->addWidget(m_cancel);
    knoppen->addStretch(1);
    knoppen->addWidget(m_help);
    top->addLayout(knoppen);

    connect(m_maak, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(m_help, &QPushButton::clicked, this, [this] { Command3_Click(); });
    Form_Load();
}

void frmNieuweRonde::Form_Load()
{
    const qint16 laatste = Toernooi.laatsteRonde;
    m_aantalRonden->setText(signedNum(laatste));
    m_huidig->setText(signedNum(HuidigeRonde));
    m_nieuw->setText(signedNum(laatste + 1));
    m_maak->setText(QStringLiteral("Ronde ") + signedNum(laatste + 1) + QStringLiteral(" aanmaken"));
    m_maak->setDefault(true);
}

void frmNieuweRonde::Command1_Click() { CreateNextRound(); }

void frmNieuweRonde::Command2_Click() { reject(); }

void frmNieuweRonde::Command3_Click()
{
    rounds::ShowHelpLines({
        QStringLiteral("U kunt hier een nieuwe toernooironde aanmaken."),
        QStringLiteral("Nadat u dat gedaan hebt kunt u het volgende doen:"),
        QStringLiteral("1. Spelers in de poules van de nieuwe ronde plaatsen via Poulebeheer."),
        QStringLiteral("2. Spelers uit de vorige ronde handmatig doorkoppelen (menu Rondebeheer)."),
        QStringLiteral("3. Spelers uit de vorige ronde automatisch doorkoppelen (menu Rondebeheer)."),
        QString(),
        QStringLiteral("Let op: als u begint met handmatig doorkoppelen of met het toevoegen van spelers via "
                       "Poulebeheer, dan is automatisch doorkoppelen niet meer mogelijk. Automatisch doorkoppelen "
                       "moet dus altijd als eerste gebeuren."),
    });
}

void frmNieuweRonde::CreateNextRound()
{
    if (!CheckTournamentFiles(FileToernooi | FilePoules, this, CheckForm::Closing))
        return;
    QString why;
    const qint16 nieuw = qint16(Toernooi.laatsteRonde + 1);
    if (core::createNextRound(PadPoules(), PadToernooi(), PadHerstel(), Toernooi.laatsteRonde, &Toernooi, &why) == 0) {
        platform::MsgBox(QStringLiteral("Ronde ") + signedNum(nieuw) + QStringLiteral(" is niet aangemaakt !\r\n")
                             + why,
                         platform::vbCritical, MeldingTitel);
        return;
    }
    HuidigeRonde = Toernooi.laatsteRonde;
    AantalPoules = 1;
    ShowCurrentRound();
    platform::MsgBox(QStringLiteral("Nieuwe ronde aangemaakt !\r\nU bevindt zich nu in ronde ") + signedNum(HuidigeRonde),
                     platform::vbInformation, QStringLiteral("Gereed"));
    accept();
}
