#include "frmZoek.h"

#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/format.h"
#include "core/recordfile.h"
#include "platform/formgeometry.h"
#include "platform/inputfields.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace modStootplanner;

frmZoek::frmZoek(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmZoek"));
    setWindowTitle(QStringLiteral("Speler zoeken"));
    setModal(true);

    m_ronde = new QComboBox(this);
    m_ronde->setObjectName(QStringLiteral("Combo1"));
    const int laatste = qMax<int>(1, Toernooi.laatsteRonde);
    for (int r = 1; r <= laatste; ++r)
        m_ronde->addItem(QStringLiteral("Ronde") + core::signedNum(r), r);
    m_ronde->setCurrentIndex(qBound(0, HuidigeRonde - 1, laatste - 1));

    m_naam = new QLineEdit(this);
    m_naam->setObjectName(QStringLiteral("Text1"));
    m_naam->setMaxLength(20);
    platform::setupInputField(m_naam, platform::KeyFilter::Name);

    m_zoek = new QPushButton(QStringLiteral("Zoeken"), this);
    m_zoek->setObjectName(QStringLiteral("Command1"));
    m_zoek->setDefault(true);
    m_sluit = new QPushButton(QStringLiteral("Sluiten"), this);
    m_sluit->setObjectName(QStringLiteral("Command2"));
    m_help = new QPushButton(QStringLiteral("?"), this);
    m_help->setObjectName(QStringLiteral("Command3"));
    m_help->setFixedWidth(32);

    m_lijst = new QTreeWidget(this);
    m_lijst->setObjectName(QStringLiteral("ListView1"));
    m_lijst->setRootIsDecorated(false);
    m_lijst->setAlternatingRowColors(true);
    m_lijst->setHeaderLabels({QStringLiteral("Nr"), QStringLiteral("Naam"), QStringLiteral("VL"),
                              QStringLiteral("Poule"), QStringLiteral("Moy"), QStringLiteral("Car")});
    m_lijst->header()->setStretchLastSection(false);
    for (int c = 3; c <= 5; ++c)
        m_lijst->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    platform::FitColumns(m_lijst, {60, 200, 70, 60, 60, 60});
    platform::NameColumnGivesWay(m_lijst, 1);
    m_aantal = new QLabel(this);
    m_aantal->setObjectName(QStringLiteral("Label3"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Ronde:"), this), 0, 0);
    grid->addWidget(m_ronde, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("(Deel van de) naam:"), this), 1, 0);
    grid->addWidget(m_naam, 1, 1);
    grid->addWidget(m_zoek, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_aantal, 1);
    buttons->addWidget(m_help);
    buttons->addWidget(m_sluit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_lijst, 1);
    layout->addLayout(buttons);
    resize(560, 420);

    connect(m_zoek, &QPushButton::clicked, this, &frmZoek::Search);
    connect(m_naam, &QLineEdit::returnPressed, this, &frmZoek::Search);
    connect(m_ronde, &QComboBox::currentIndexChanged, this, [this] { m_lijst->clear(); m_aantal->clear(); });
    connect(m_sluit, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_help, &QPushButton::clicked, this, [] {
        MeldingTekst = QStringLiteral("Kies de ronde en typ (een deel van) de naam van de speler die u zoekt.\r\n"
                                      "Met \"Zoeken\" ziet u alle spelers van die ronde waarvan de naam die tekst bevat,\r\n"
                                      "met hun nummer, voorletters, poule, moyenne en te maken caramboles.\r\n"
                                      "Laat u de naam leeg, dan ziet u alle spelers van de ronde.");
        HelpGroot = false;
        ShowHelp();
    });
}

void frmZoek::Search()
{
    m_lijst->clear();
    m_aantal->clear();
    if (!CheckTournamentFiles(FileSpelers, this, CheckForm::PouleChooser))
        return;
    const int ronde = m_ronde->currentData().toInt();
    const QString deel = m_naam->text().trimmed();
    QList<QTreeWidgetItem*> rows;
    core::RecordFile<SpelerRec>::scan(PadSpelers(), [&](const SpelerRec& s, qint64) {
        if (s.ronde == ronde && (deel.isEmpty() || s.naam.contains(deel, Qt::CaseInsensitive))) {
            auto* row = new QTreeWidgetItem;
            row->setText(0, PadNumber5(s.nummer));
            row->setText(1, s.naam.trimmed());
            row->setText(2, s.voorletters.trimmed());
            row->setText(3, core::signedNum(s.poule));
            row->setText(4, FormatDecimalen(s.moyenne));
            row->setText(5, QString::number(s.teMakenCar));
            for (int c = 3; c <= 5; ++c)
                row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
            rows.append(row);
        }
        return true;
    });
    std::stable_sort(rows.begin(), rows.end(), [](QTreeWidgetItem* a, QTreeWidgetItem* b) {
        return QString::compare(a->text(1), b->text(1), Qt::CaseInsensitive) < 0;
    });
    m_lijst->addTopLevelItems(rows);
    platform::FitColumns(m_lijst);
    m_aantal->setText(rows.isEmpty() ? QStringLiteral("Geen spelers gevonden")
                                     : QStringLiteral("Gevonden:") + core::signedNum(rows.size()));
}
