#include "frmStart.h"

#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/tournamentfiles.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace modStootplanner;

frmStart::frmStart(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(QStringLiteral("Stootplanner"));
    setModal(true);
    DialoogResultaat = 0;

    auto* kop = new QLabel(QStringLiteral("Laatst gebruikte toernooi:"), this);
    QFont bold = kop->font();
    bold.setBold(true);
    kop->setFont(bold);

    m_last = new QLabel(this);
    m_last->setObjectName(QStringLiteral("Label1"));
    m_last->setWordWrap(true);
    m_last->setMinimumWidth(420);

    m_open = new QPushButton(QStringLiteral("Open dit toernooi"), this);
    m_open->setObjectName(QStringLiteral("Command1"));
    m_none = new QPushButton(QStringLiteral("Zonder toernooi verder"), this);
    m_none->setObjectName(QStringLiteral("Command2"));

    if (const auto last = core::readIni(ProgrammaMap + core::IniFileName);
        last && !last->bestand.trimmed().isEmpty()) {
        m_path = core::withTrailingSeparator(last->map) + last->bestand.trimmed();
        m_last->setText(m_path);
        m_open->setDefault(true);
    } else {
        m_last->setText(QStringLiteral("Geen laatst gebruikt toernooi beschikbaar"));
        m_open->setEnabled(false);
        m_none->setDefault(true);
    }

    connect(m_open, &QPushButton::clicked, this, &frmStart::openLast);
    connect(m_none, &QPushButton::clicked, this, [this] {
        DialoogResultaat = 0;
        reject();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_open);
    buttons->addWidget(m_none);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kop);
    layout->addWidget(m_last);
    layout->addSpacing(12);
    layout->addLayout(buttons);
}

void frmStart::openLast()
{
    if (OpenTournament(m_path)) {
        DialoogResultaat = 1;
        accept();
        return;
    }
    DialoogResultaat = 2;
    if (mdiHoofd* hoofd = mdiHoofd::instance())
        hoofd->StatusBar1()->setPanelText(1, QStringLiteral("Openen recent gebruikt toernooi mislukt !"));
    reject();
}
