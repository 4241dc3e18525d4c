#include "frmHTML.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/htmlpage.h"
#include "core/recordfile.h"
#include "frmKleur.h"
#include "frmOpslaanHtml.h"
#include "modHtml.h"
#include "modStand.h"
#include "platform/msgbox.h"

#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

using namespace modStootplanner;

namespace {
std::function<void(QWidget*)>& saveHook()
{
    static std::function<void(QWidget*)> hook;
    return hook;
}
} // namespace

void frmHTML::setSaveDialogHook(std::function<void(QWidget*)> hook)
{
    saveHook() = std::move(hook);
}

QString frmHTML::ScratchPath()
{
    return ProgrammaMap + core::ScratchPageName;
}

frmHTML::frmHTML(const QList<core::StandLine>& stand, QWidget* parent) : QDialog(parent), m_rijen(stand)
{
    setObjectName(QStringLiteral("frmHTML"));
    setWindowTitle(QStringLiteral("Voorbeeld HTML-code"));
    auto* top = new QVBoxLayout(this);

    auto* layout = new QGroupBox(QStringLiteral(" Pas lay-out aan "), this);
    auto* lL = new QHBoxLayout(layout);
    m_letter = new QPushButton(QStringLiteral("Letterkleur"), layout);
    m_letter->setObjectName(QStringLiteral("Command1"));
    m_back = new QPushButton(QStringLiteral("Achtergrondkleur"), layout);
    m_back->setObjectName(QStringLiteral("Command2"));
    lL->addWidget(new QLabel(QStringLiteral("Kies letterkleur"), layout));
    lL->addWidget(m_letter);
    lL->addSpacing(20);
    lL->addWidget(new QLabel(QStringLiteral("Kies achtergrond kleur"), layout));
    lL->addWidget(m_back);
    lL->addStretch(1);
    top->addWidget(layout);

    auto* frame = new QGroupBox(QStringLiteral(" Stootplanner "), this);
    auto* fL = new QVBoxLayout(frame);
    fL->addWidget(new QLabel(QStringLiteral("De stand wordt in de lay-out van onderstaand voorbeeld opgeslagen"), frame));
    auto* grid = new QGridLayout;
    grid->setSpacing(1);
    fL->addLayout(grid);
    top->addWidget(frame, 1);

    auto make = [this, frame](int i, const QString& text, bool bold, Qt::Alignment a) {
        auto* l = new QLabel(text, frame);
        l->setObjectName(QStringLiteral("Label1_%1").arg(i));
        l->setAutoFillBackground(true);
        l->setFrameShape(QFrame::Box);
        l->setMargin(3);
        l->setAlignment(a | Qt::AlignVCenter);
        QFont f = l->font();
        f.setBold(bold);
        l->setFont(f);
        m_sample[i] = l;
        return l;
    };
    grid->addWidget(make(0, QStringLiteral("Naam van uw toernooi"), true, Qt::AlignHCenter), 0, 0, 1, 14);
    m_sample[0]->setFont(QFont(m_sample[0]->font().family(), 14, QFont::Bold));
    grid->addWidget(make(1, QStringLiteral("Stand in ronde x en in poule y"), true, Qt::AlignHCenter), 1, 0, 1, 10);
    grid->addWidget(make(2, QStringLiteral("huidige datum"), true, Qt::AlignHCenter), 1, 10, 1, 4);
    // Headings: labels 3..14 for Prt..V (4 is the points heading), 15 Pos, 16 Naam.
    const QStringList koppen = {QStringLiteral("Prt"), QStringLiteral("Pnt"), QStringLiteral("Car"),
                                QStringLiteral("Brt"), QStringLiteral("Moy"), QStringLiteral("HS"),
                                QStringLiteral("P.Moy"), QStringLiteral("% Car"), QStringLiteral("% Moy"),
                                QStringLiteral("W"), QStringLiteral("R"), QStringLiteral("V")};
    grid->addWidget(make(15, QStringLiteral("Pos"), true, Qt::AlignHCenter), 2, 0);
    grid->addWidget(make(16, QStringLiteral("Naam"), true, Qt::AlignLeft), 2, 1);
    for (int k = 0; k < koppen.size(); ++k)
        grid->addWidget(make(3 + k, koppen.at(k), true, Qt::AlignHCenter), 2, 2 + k);
    static const char* rijen[4][14] = {
        {"1", "Speler 1, A.", "3", "6", "87", "41", "2.12", "9", "2.90", "103.57", "101.20", "3", "0", "0"},
        {"2", "Speler 2, B.", "3", "4", "71", "45", "1.57", "7", "1.81", "96.12", "98.44", "2", "0", "1"},
        {"3", "Speler 3, C.", "3", "1", "52", "44", "1.18", "5", "1.25", "80.00", "84.67", "0", "1", "2"},
        {"4", "Speler 4, D.", "3", "1", "49", "46", "1.06", "6", "1.10", "75.38", "79.05", "0", "1", "2"},
    };
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 14; ++c) {
            const Qt::Alignment a = c == 0 ? Qt::AlignRight : (c == 1 ? Qt::AlignLeft : Qt::AlignHCenter);
            grid->addWidget(make(17 + r * 14 + c, QString::fromLatin1(rijen[r][c]), false, a), 3 + r, c);
        }

    auto* knoppen = new QHBoxLayout;
    m_save = new QPushButton(QStringLiteral("Opslaan"), this);
    m_save->setObjectName(QStringLiteral("Command3"));
    m_save->setToolTip(QStringLiteral("HTML-code opslaan"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Command4"));
    m_cancel->setToolTip(QStringLiteral("Afsluiten"));
    m_help = new QPushButton(QStringLiteral("?"), this);
    m_help->setObjectName(QStringLiteral("Command5"));
    m_help->setFixedWidth(30);
    knoppen->addStretch(1);
    knoppen->addWidget(m_save);
    knoppen->addWidget(m_cancel);
    knoppen->addWidget(m_help);
    top->addLayout(knoppen);

    connect(m_letter, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(m_back, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(m_save, &QPushButton::clicked, this, [this] { WriteStandingsHtml(); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] { Command5_Click(); });
    Form_Load();
}

void frmHTML::Form_Load()
{
    modHtml::HtmlTekstKleur = QColor(0, 0, 0);
    modHtml::HtmlAchtergrondKleur = QColor(255, 255, 255);
    m_sample[4]->setText(modStand::MatchpuntenModus ? QStringLiteral("MP") : QStringLiteral("Pnt"));
    applyColours(true);
    applyColours(false);
}

void frmHTML::applyColours(bool letters)
{
    for (QLabel* l : m_sample) {
        QPalette pal = l->palette();
        if (letters)
            pal.setColor(QPalette::WindowText, modHtml::HtmlTekstKleur);
        else
            pal.setColor(QPalette::Window, modHtml::HtmlAchtergrondKleur);
        l->setPalette(pal);
    }
}

void frmHTML::Command1_Click()
{
    modHtml::KleurKeuze = 1;
    frmKleur k(this);
    k.exec();
    applyColours(true);
}

void frmHTML::Command2_Click()
{
    modHtml::KleurKeuze = 2;
    frmKleur k(this);
    k.exec();
    applyColours(false);
}

void frmHTML::WriteStandingsHtml()
{
    core::HtmlPageInput in;
    in.toernooiNaam = Toernooi.naam;
    in.titel = modStand::StandHtmlTitel;
    in.datum = QDate::currentDate();
    in.tekstKleurCode = modHtml::HtmlTekstKleurCode;
    in.achtergrondCode = modHtml::HtmlAchtergrondKleurCode;
    in.matchpunten = modStand::MatchpuntenModus;
    in.rijen = m_rijen;
    QString why;
    if (!core::replaceFile(ScratchPath(), core::htmlPageBytes(in), &why)) {
        platform::MsgBox(QStringLiteral("HTML-code kan niet worden aangemaakt!\r\n") + why, platform::vbCritical,
                         MeldingTitel);
        return;
    }
    if (saveHook()) {
        saveHook()(this);
        return;
    }
    frmOpslaanHtml dlg(this);
    dlg.exec();
}

void frmHTML::Command5_Click()
{
    MeldingTekst = QStringList{QStringLiteral("U ziet hier een voorbeeld hoe de stand er ongeveer uitziet in HTML-code."),
                               QStringLiteral("U kunt de letterkleur en de achtergrondkleur naar wens aanpassen."),
                               QStringLiteral("Met Opslaan kiest u daarna de map en de naam van het bestand.")}
                       .join(QStringLiteral("\r\n"));
    HelpGroot = false;
    ShowHelp();
}
