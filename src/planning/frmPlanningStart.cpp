#include "frmPlanningStart.h"
#include "app/modStootplanner.h"
#include "core/oledate.h"
#include "core/planning.h"
#include "modPlanning.h"
#include "platform/keytoolbar.h"
#include "platform/msgbox.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

using namespace modStootplanner;
using planning::Px;

frmPlanningStart::frmPlanningStart(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPlanningStart"));
    setWindowTitle(QStringLiteral("Configuratie planning"));
    setModal(true);
    auto* top = new QVBoxLayout(this);

    m_toolbar = platform::makeKeyToolbar(this,
                                         {{"But02", "Cancel", QStyle::SP_DialogCancelButton},
                                          {"But04", "Help", QStyle::SP_DialogHelpButton}},
                                         [this](const QString& key) { Toolbar1_ButtonClick(key); });
    top->addWidget(m_toolbar);

    auto helpButton = [this](int index, QWidget* parent) {
        auto* b = new QPushButton(QStringLiteral("?"), parent);
        b->setObjectName(QStringLiteral("Command1_%1").arg(index));
        b->setFixedWidth(Px(400));
        connect(b, &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
        m_help << b;
        return b;
    };
    auto label = [](const QString& name, const QString& text, QWidget* parent) {
        auto* l = new QLabel(text, parent);
        l->setObjectName(name);
        return l;
    };

    auto* keuzes = new QGroupBox(QStringLiteral(" Maak een nieuwe lege planning "), this);
    keuzes->setObjectName(QStringLiteral("Frame1"));
    auto* g = new QGridLayout(keuzes);
    m_datum = new QDateEdit(keuzes);
    m_datum->setObjectName(QStringLiteral("DTPicker1"));
    m_datum->setCalendarPopup(true);
    m_datum->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    m_datum->setToolTip(QStringLiteral("Kies datum planning"));
    auto combo = [&](const QString& name, const QStringList& items) {
        auto* c = new QComboBox(keuzes);
        c->setObjectName(name);
        c->setEditable(false);
        c->setMaxVisibleItems(15);
        c->addItems(items);
        return c;
    };
    QStringList partijen, tafels;
    for (int i = 1; i <= core::PlanningMaxPartijen; ++i)
        partijen << QString::number(i);
    for (int i = 1; i <= core::PlanningMaxTafels; ++i)
        tafels << QString::number(i);
    m_start = combo(QStringLiteral("Combo1"), core::startTijdTexts());
    m_interval = combo(QStringLiteral("Combo2"), core::intervalTexts());
    m_partijen = combo(QStringLiteral("Combo3"), partijen);
    m_tafels = combo(QStringLiteral("Combo4"), tafels);
    const struct {
        const char* name;
        const char* text;
        QWidget* field;
    } rows[] = {{"Label3", "Kies datum", m_datum},
                {"Label4", "Kies starttijd", m_start},
                {"Label5", "Kies interval", m_interval},
                {"Label6", "Kies aantal partijen/tafel", m_partijen},
                {"Label7", "Kies aantal tafels", m_tafels}};
    int r = 0;
    for (const auto& row : rows) {
        g->addWidget(label(QString::fromLatin1(row.name), QString::fromUtf8(row.text), keuzes), r, 0);
        row.field->setMinimumWidth(Px(1800));
        g->addWidget(row.field, r, 1);
        g->addWidget(helpButton(r, keuzes), r, 2);
        ++r;
    }
    g->setColumnStretch(1, 1);
    top->addWidget(keuzes);

    auto* maak = new QGroupBox(QStringLiteral(" Planning aanmaken "), this);
    maak->setObjectName(QStringLiteral("Frame2"));
    auto* m = new QGridLayout(maak);
    m_nummer = label(QStringLiteral("Label2"), QString(), maak);
    QFont f = m_nummer->font();
    f.setBold(true);
    m_nummer->setFont(f);
    m->addWidget(label(QStringLiteral("Label1"), QStringLiteral("Planning Nummer"), maak), 0, 0);
    m->addWidget(m_nummer, 0, 1);
    m_maak = new QPushButton(QStringLiteral("Maak nieuwe lege planning"), maak);
    m_maak->setObjectName(QStringLiteral("Command2"));
    m_maak->setToolTip(QStringLiteral("Maak planning"));
    m->addWidget(m_maak, 1, 0, 1, 2);
    m->addWidget(helpButton(5, maak), 1, 2);
    m->setColumnStretch(1, 1);
    top->addWidget(maak);

    auto* knoppen = new QHBoxLayout;
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Command3"));
    m_cancel->setToolTip(QStringLiteral("Geen planning maken"));
    knoppen->addStretch(1);
    knoppen->addWidget(m_cancel);
    top->addLayout(knoppen);

    connect(m_maak, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { Command3_Click(); });
    Form_Load();
}

void frmPlanningStart::Form_Load()
{
    m_datum->setDate(QDate::currentDate());
    m_start->setCurrentIndex(2);
    m_interval->setCurrentIndex(3);
    m_partijen->setCurrentIndex(9);
    m_tafels->setCurrentIndex(3);
    m_nummer->setText(QString::number(NextPlanningNumber()));
}

void frmPlanningStart::Command1_Click(int index)
{
    QStringList p;
    switch (index) {
    case 0:
        p << QStringLiteral("Kies een datum: click in het vak, een kalender valt open en u kunt de dag kiezen die u wilt.");
        break;
    case 1:
        p << QStringLiteral("Kies hier de starttijd.");
        break;
    case 2:
        p << QStringLiteral("Kies hier het interval, dat is de tijd tussen twee partijen.");
        break;
    case 3:
        p << QStringLiteral("Kies hier het aantal te spelen partijen op één tafel.")
          << QStringLiteral("N.B. U kunt maximaal 30 partijen per tafel inplannen en de laatste partij kan niet "
                            "starten na 24.00 uur. Het programma controleert of u daar niet overheen gaat.");
        break;
    case 4:
        p << QStringLiteral("Kies hier het aantal tafels (max 10).");
        break;
    default:
        p << QStringLiteral("Maak uw keuzes en click op \"Maak nieuwe lege planning\".");
        break;
    }
    planning::ShowHelpParagraphs(p, false);
}

void frmPlanningStart::Command2_Click()
{
    const qint16 startIndex = qint16(m_start->currentIndex());
    const qint16 intervalIndex = qint16(m_interval->currentIndex());
    const qint16 partijen = qint16(m_partijen->currentIndex() + 1);
    const qint16 tafels = qint16(m_tafels->currentIndex() + 1);
    if (!core::lastStartAllowed(startIndex, intervalIndex, partijen)) {
        platform::MsgBox(QStringLiteral("Uw laatste partij kan niet na 24.00 uur beginnen !\r\nPas uw uitgangspunten aan."),
                         platform::vbExclamation, MeldingTitel);
        return;
    }
    HuidigePlanning = core::newPlanning(NextPlanningNumber(), core::toOleDate(m_datum->date()), HuidigeRonde, tafels,
                                        partijen, startIndex, intervalIndex);
    QString why;
    if (core::appendPlanning(PadPlanning(), HuidigePlanning, &why) == 0) {
        // A planning that could not be written must not be reported as made.
        platform::MsgBox(QStringLiteral("Planningbestand kan niet worden geschreven !\r\n"
                                        "Planning is niet aangemaakt !\r\n")
                             + why,
                         platform::vbCritical, MeldingTitel);
        return;
    }
    platform::MsgBox(QStringLiteral("Planning aangemaakt !\r\nU kunt via het menu \"Planning > Naar bestaande planning\" "
                                    "deze planning oproepen."),
                     platform::vbInformation, QStringLiteral("Gereed"));
    accept();
}

void frmPlanningStart::Command3_Click() { reject(); }

void frmPlanningStart::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("But02")) {
        reject();
    } else if (key == QLatin1String("But04")) {
        planning::ShowHelpParagraphs(
            {QStringLiteral("Als u met een planning van uw tafelindeling wilt werken, moet u hier eerst een nieuwe "
                            "planning aanmaken."),
             QStringLiteral("Kies de datum, de starttijd van de eerste partij, het interval tussen twee partijen, "
                            "het aantal partijen per tafel en het aantal tafels."),
             QStringLiteral("Click daarna op \"Maak nieuwe lege planning\". De planning krijgt het nummer dat onder "
                            "\"Planning Nummer\" staat."),
             QStringLiteral("Via het menu \"Planning > Naar bestaande planning\" kunt u de planning daarna oproepen "
                            "en de spelers op de tafels plaatsen.")},
            false);
    }
}
