#include "frmStand.h"
#include "platform/formgeometry.h"
#include "platform/keytoolbar.h"
#include "PrintStand.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/format.h"
#include "core/recordfile.h"
#include "frmHTML.h"
#include "modStand.h"
#include "platform/msgbox.h"
#include "standlist.h"

#include <QAction>
#include <QCloseEvent>
#include <QShowEvent>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace modStootplanner;
using modStand::Px;

namespace {

QString zoomPath()
{
    return ToernooiMap + core::ZoomFileName;
}

void writeZoomFile(int index)
{
    // A file that already holds the choice needs no write (nor a complaint on a read-only medium).
    if (core::zoomFileHolds(zoomPath(), index))
        return;
    QString why;
    if (!core::replaceFile(zoomPath(), core::zoomFileBytes(index), &why))
        platform::MsgBox(QStringLiteral("De lettergrootte kon niet worden bewaard in ") + core::ZoomFileName
                             + QStringLiteral(" !\r\n") + why,
                         platform::vbExclamation, MeldingTitel);
}

QPushButton* glyphButton(const QString& glyph, const QString& tip)
{
    auto* b = new QPushButton(glyph);
    b->setToolTip(tip);
    b->setFixedSize(Px(495), Px(375));
    return b;
}

} // namespace

frmStand::frmStand(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmStand"));
    buildUi();
    Form_Load();
}

frmStand::~frmStand()
{
    m_timer->stop();
}

void frmStand::buildUi()
{
    setWindowTitle(QStringLiteral("Stand"));
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(4, 4, 4, 4);
    top->setSpacing(4);

    m_toolbar = platform::makeKeyToolbar(this,
                                         {{"But02", "Sluiten", QStyle::SP_DialogCloseButton, "Sluit stand"},
                                          {"But03", "Printen", QStyle::SP_FileDialogDetailedView},
                                          {"But04", "HTML", QStyle::SP_DriveNetIcon, "HTML-code"},
                                          {"But06", "Help", QStyle::SP_DialogHelpButton}},
                                         [this](const QString& key) { Toolbar1_ButtonClick(key); });
    top->addWidget(m_toolbar);

    // Heading: the tournament, the caption "Stand", the round and the poule.
    auto* kop = new QGroupBox(QStringLiteral(" Stootplanner "), this);
    auto* kopL = new QHBoxLayout(kop);
    auto* namen = new QVBoxLayout;
    for (int i = 0; i < 2; ++i) {
        m_label6[i] = new QLabel(kop);
        m_label6[i]->setObjectName(QStringLiteral("Label6_%1").arg(i));
        QFont f = m_label6[i]->font();
        f.setPointSize(i == 0 ? 14 : 10);
        f.setBold(i == 0);
        m_label6[i]->setFont(f);
        namen->addWidget(m_label6[i]);
    }
    kopL->addLayout(namen, 1);
    m_label10 = new QLabel(QStringLiteral("Stand"), kop);
    m_label10->setObjectName(QStringLiteral("Label10"));
    m_label10->setFont(QFont(QStringLiteral("Times New Roman"), 36, QFont::Bold));
    kopL->addWidget(m_label10);
    kopL->addSpacing(Px(600));
    auto* nrs = new QGridLayout;
    nrs->addWidget(new QLabel(QStringLiteral("Ronde nummer"), kop), 0, 0);
    m_label8 = new QLabel(kop);
    m_label8->setObjectName(QStringLiteral("Label8"));
    nrs->addWidget(m_label8, 0, 1);
    nrs->addWidget(new QLabel(QStringLiteral("Poule nummer"), kop), 1, 0);
    m_label9 = new QLabel(kop);
    m_label9->setObjectName(QStringLiteral("Label9"));
    m_label9->setFont(QFont(QStringLiteral("Arial"), 24, QFont::Bold));
    nrs->addWidget(m_label9, 1, 1);
    QFont rf = m_label8->font();
    rf.setBold(true);
    rf.setPointSize(12);
    m_label8->setFont(rf);
    kopL->addLayout(nrs);
    m_label1 = new QLabel(kop);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setVisible(false);   // Label9 shows it large
    top->addWidget(kop);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setFont(QFont(QStringLiteral("Arial"), 8, QFont::Bold));
    {
        QFont f = m_list->font();
        f.setPointSizeF(8.25);
        m_list->setFont(f);
    }
    const auto w = core::zoomColumnWidths(-1);
    modStand::SetupReportList(m_list, core::standColumnCaptions(false), QList<int>(w.begin(), w.end()), 3);
    top->addWidget(m_list, 1);

    auto* onder = new QHBoxLayout;
    top->addLayout(onder);

    // Naar poule
    m_frameNaarPoule = new QGroupBox(QStringLiteral(" Naar poule "), this);
    m_frameNaarPoule->setObjectName(QStringLiteral("Frame1"));
    auto* npL = new QHBoxLayout(m_frameNaarPoule);
    m_command1[0] = glyphButton(QStringLiteral("◀"), QStringLiteral("Vorige poule"));
    m_command1[1] = glyphButton(QStringLiteral("▶"), QStringLiteral("Volgende poule"));
    m_combo1 = new QComboBox(m_frameNaarPoule);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setToolTip(QStringLiteral("Ga naar poule"));
    for (int i = 0; i < 2; ++i) {
        m_command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        m_command1[i]->setEnabled(false);
        connect(m_command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    npL->addWidget(m_command1[0]);
    npL->addWidget(m_combo1);
    npL->addWidget(m_command1[1]);
    connect(m_combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    onder->addWidget(m_frameNaarPoule);

    // Stand op basis van
    m_frameModus = new QGroupBox(QStringLiteral(" Stand op basis van:"), this);
    m_frameModus->setObjectName(QStringLiteral("Frame2"));
    auto* moL = new QVBoxLayout(m_frameModus);
    const char* modi[] = {"Normaal", "MatchPunten"};
    for (int i = 0; i < 2; ++i) {
        m_option1[i] = new QRadioButton(QString::fromLatin1(modi[i]), m_frameModus);
        m_option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        moL->addWidget(m_option1[i]);
        connect(m_option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    m_option1[0]->setChecked(true);
    onder->addWidget(m_frameModus);

    // Hoogste serie
    auto* hs = new QGroupBox(QStringLiteral(" Hoogste serie"), this);
    hs->setObjectName(QStringLiteral("Frame3"));
    auto* hsL = new QVBoxLayout(hs);
    m_label4 = new QLabel(hs);
    m_label4->setObjectName(QStringLiteral("Label4"));
    m_label5 = new QLabel(hs);
    m_label5->setObjectName(QStringLiteral("Label5"));
    QFont hf = m_label5->font();
    hf.setBold(true);
    hf.setPointSize(12);
    m_label5->setFont(hf);
    hsL->addWidget(m_label4);
    hsL->addWidget(m_label5);
    // The holder's name gets the room the other frames leave, whoever holds
    // the run, so the neighbouring frames stay in place.
    hs->setMinimumWidth(Px(3000));
    onder->addWidget(hs, 1);

    // Caroussel
    m_frameCarrousel = new QGroupBox(QStringLiteral(" Caroussel "), this);
    m_frameCarrousel->setObjectName(QStringLiteral("Frame4"));
    auto* caL = new QGridLayout(m_frameCarrousel);
    caL->setHorizontalSpacing(4);
    m_command2 = glyphButton(QStringLiteral("■"), QStringLiteral("Stop"));
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setEnabled(false);
    m_command3 = glyphButton(QStringLiteral("▶"), QStringLiteral("Start"));
    m_command3->setObjectName(QStringLiteral("Command3"));
    m_combo2 = new QComboBox(m_frameCarrousel);
    m_combo2->setObjectName(QStringLiteral("Combo2"));
    m_combo3 = new QComboBox(m_frameCarrousel);
    m_combo3->setObjectName(QStringLiteral("Combo3"));
    m_command4 = glyphButton(QStringLiteral("◀◀"), QStringLiteral("Sneller"));
    m_command4->setObjectName(QStringLiteral("Command4"));
    m_command5 = glyphButton(QStringLiteral("▶▶"), QStringLiteral("Trager"));
    m_command5->setObjectName(QStringLiteral("Command5"));
    m_label2 = new QLabel(m_frameCarrousel);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setToolTip(QStringLiteral("Aantal seconden"));
    m_label2->setAlignment(Qt::AlignCenter);
    for (int i = 1; i <= 2; ++i) {
        m_command6[i] = new QPushButton(QStringLiteral("?"), m_frameCarrousel);
        m_command6[i]->setObjectName(QStringLiteral("Command6_%1").arg(i));
        m_command6[i]->setFixedSize(Px(300), Px(300));
        connect(m_command6[i], &QPushButton::clicked, this, [this, i] { Command6_Click(i); });
    }
    // Narrow enough for the window's own width: the range lists stacked.
    caL->addWidget(m_command2, 0, 0);
    caL->addWidget(m_command3, 0, 1);
    caL->addWidget(new QLabel(QStringLiteral("Van poule")), 0, 3);
    caL->addWidget(m_combo2, 0, 4);
    caL->addWidget(m_command6[1], 0, 5);
    caL->addWidget(new QLabel(QStringLiteral("Stop")), 1, 0, Qt::AlignHCenter);
    caL->addWidget(new QLabel(QStringLiteral("Start")), 1, 1, Qt::AlignHCenter);
    caL->addWidget(new QLabel(QStringLiteral("tot poule")), 1, 3);
    caL->addWidget(m_combo3, 1, 4);
    caL->addWidget(m_command4, 2, 0);
    caL->addWidget(m_label2, 2, 1);
    caL->addWidget(m_command5, 2, 2);
    caL->addWidget(m_command6[2], 2, 5);
    caL->addWidget(new QLabel(QStringLiteral("Sneller")), 3, 0, Qt::AlignHCenter);
    caL->addWidget(new QLabel(QStringLiteral("Trager")), 3, 2, Qt::AlignHCenter);
    connect(m_command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(m_command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(m_command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(m_command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    onder->addWidget(m_frameCarrousel);

    // Zoom stand
    auto* zo = new QGroupBox(QStringLiteral(" Zoom stand "), this);
    zo->setObjectName(QStringLiteral("Frame5"));
    auto* zoL = new QGridLayout(zo);
    const char* zooms[] = {"8 punt", "12 punt", "16 punt", "20 punt"};
    for (int i = 0; i < core::ZoomCount; ++i) {
        m_option2[i] = new QRadioButton(QString::fromLatin1(zooms[i]), zo);
        m_option2[i]->setObjectName(QStringLiteral("Option2_%1").arg(i));
        zoL->addWidget(m_option2[i], i % 2, i / 2);
        connect(m_option2[i], &QRadioButton::clicked, this, [this, i] { Option2_Click(i); });
    }
    m_option2[0]->setChecked(true);
    m_command7 = new QPushButton(QStringLiteral("?"), zo);
    m_command7->setObjectName(QStringLiteral("Command7"));
    m_command7->setFixedSize(Px(300), Px(300));
    connect(m_command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    zoL->addWidget(m_command7, 0, 2);
    onder->addWidget(zo);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(core::CarrouselStart * 1000);
    connect(m_timer, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void frmStand::setLabel1(const QString& text)
{
    m_label1->setText(text);
    m_label9->setText(text);
}

void frmStand::Form_Load()
{
    platform::placeChildWindow(this, 0, 0, 14470, 9290);
    m_label6[0]->setText(core::rightTrimmed(Toernooi.naam));
    m_label6[1]->setText(core::rightTrimmed(Toernooi.subtitel));
    m_label8->setText(core::signedNum(HuidigeRonde));
    setLabel1(core::signedNum(1));
    for (QComboBox* c : {m_combo1, m_combo2, m_combo3}) {
        c->clear();
        for (int p = 1; p <= AantalPoules; ++p)
            c->addItem(core::signedNum(p));
    }
    modStand::MatchpuntenModus = false;
    m_combo2->setCurrentIndex(AantalPoules > 0 ? 0 : -1);
    m_combo3->setCurrentIndex(AantalPoules > 0 ? 0 : -1);
    m_combo1->setCurrentIndex(AantalPoules > 0 ? 0 : -1);
    Combo1_Click();
    if (AantalPoules > 1)
        m_command1[1]->setEnabled(true);
    else
        m_frameCarrousel->setEnabled(false);
    CarrouselSeconden = core::CarrouselStart;
    m_timer->setInterval(CarrouselSeconden * 1000);
    // The design-time caption: plain "9"; the speed keys write it in signed form.
    m_label2->setText(QString::number(CarrouselSeconden));
    HuidigePoule = 1;

    if (!QFile::exists(zoomPath())) {
        writeZoomFile(0);
        ZoomKeuze = 0;
    } else {
        ZoomKeuze = core::readZoomFile(zoomPath());
        m_option2[ZoomKeuze]->setChecked(true);
        Option2_Click(ZoomKeuze);
    }
}

void frmStand::Combo1_Click()
{
    const int idx = m_combo1->currentIndex();
    if (idx < 0)
        return;
    if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::PouleChooser))
        return;
    HuidigePoule = qint16(idx + 1);
    setLabel1(QString::number(HuidigePoule));
    m_command1[0]->setEnabled(HuidigePoule != 1);
    m_command1[1]->setEnabled(HuidigePoule != AantalPoules && AantalPoules > 1);
    modStand::ComputeStandings(HuidigePoule, HuidigeRonde, modStand::MatchpuntenModus);
    FillStandList();
}

void frmStand::Command1_Click(int index)
{
    if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::Closing))
        return;
    if (index == 1) {
        ++HuidigePoule;
        m_command1[1]->setEnabled(HuidigePoule < AantalPoules);
        m_command1[0]->setEnabled(true);
    } else {
        --HuidigePoule;
        m_command1[0]->setEnabled(HuidigePoule > 1);
        m_command1[1]->setEnabled(true);
    }
    setLabel1(core::signedNum(HuidigePoule));
    m_combo1->setCurrentIndex(-1);
    modStand::ComputeStandings(HuidigePoule, HuidigeRonde, modStand::MatchpuntenModus);
    FillStandList();
}

void frmStand::Option1_Click(int index)
{
    m_option1[index]->setChecked(true);
    modStand::MatchpuntenModus = (index == 1);
    modStand::ComputeStandings(HuidigePoule, HuidigeRonde, modStand::MatchpuntenModus);
    FillStandList();
}

void frmStand::Option2_Click(int index)
{
    if (index < 0 || index >= core::ZoomCount)
        index = 0;
    m_option2[index]->setChecked(true);
    QFont f = m_list->font();
    f.setPointSize(core::zoomFontSize(index));
    m_list->setFont(f);
    QList<int> widths;
    for (int tw : core::zoomColumnWidths(index))
        widths << Px(tw);
    platform::FitColumns(m_list, widths);
    ZoomKeuze = index;
    writeZoomFile(index);
}

void frmStand::Command3_Click()
{
    const int van = m_combo2->currentIndex() + 1;
    const int tot = m_combo3->currentIndex() + 1;
    if (!m_carousel.start(van, tot)) {
        platform::MsgBox(QStringLiteral("Eindpoule moet groter zijn dan Startpoule!"), platform::vbExclamation,
                         MeldingTitel);
        return;
    }
    setLabel1(core::signedNum(van));
    m_combo1->setCurrentIndex(-1);
    m_combo2->setEnabled(false);
    m_combo3->setEnabled(false);
    m_command3->setEnabled(false);
    m_frameNaarPoule->setEnabled(false);
    m_frameModus->setEnabled(false);
    m_command2->setEnabled(true);
    m_timer->start();
}

void frmStand::Timer1_Timer()
{
    HuidigePoule = qint16(m_carousel.tick());
    setLabel1(core::signedNum(HuidigePoule));
    modStand::ComputeStandings(HuidigePoule, HuidigeRonde, modStand::MatchpuntenModus);
    FillStandList();
}

void frmStand::Command2_Click()
{
    m_timer->stop();
    m_combo2->setEnabled(true);
    m_combo3->setEnabled(true);
    m_command3->setEnabled(true);
    m_frameNaarPoule->setEnabled(true);
    m_frameModus->setEnabled(true);
    m_command2->setEnabled(false);
    HuidigePoule = 1;
    setLabel1(QStringLiteral("1"));
    m_command1[0]->setEnabled(false);
    m_command1[1]->setEnabled(AantalPoules > 1);
    modStand::ComputeStandings(1, HuidigeRonde, modStand::MatchpuntenModus);
    FillStandList();
}

void frmStand::Command4_Click()
{
    if (CarrouselSeconden <= core::CarrouselMin)
        return;
    --CarrouselSeconden;
    m_timer->setInterval(CarrouselSeconden * 1000);
    m_label2->setText(core::signedNum(CarrouselSeconden));
    m_command5->setEnabled(true);
    if (CarrouselSeconden <= core::CarrouselMin)
        m_command4->setEnabled(false);
}

void frmStand::Command5_Click()
{
    if (CarrouselSeconden >= core::CarrouselMax)
        return;
    ++CarrouselSeconden;
    m_timer->setInterval(CarrouselSeconden * 1000);
    m_label2->setText(core::signedNum(CarrouselSeconden));
    m_command4->setEnabled(true);
    if (CarrouselSeconden >= core::CarrouselMax)
        m_command5->setEnabled(false);
}

void frmStand::FillStandList()
{
    const bool mp = modStand::MatchpuntenModus;
    m_list->headerItem()->setText(4, mp ? QStringLiteral("MP") : QStringLiteral("Pnt"));
    CountPlayersInPoule(HuidigePoule);
    const int n = AantalSpelersInPoule;
    const core::Standings s = modStand::CurrentStandings();
    const QList<core::StandLine> lines = n > 0 ? core::standLines(s, n, Toernooi.aantalDecimalen, mp)
                                               : QList<core::StandLine>();
    modStand::FillReportList(m_list, lines);
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        m_list->topLevelItem(i)->setData(0, Qt::UserRole, QStringLiteral("S") + lines.at(i).text);
    const core::HighestRun hs = n > 0 ? core::highestRun(s, n) : core::HighestRun();
    platform::SetNameText(m_label4, hs.holder, true);
    m_label5->setText(core::signedNum(hs.serie));
}

QList<core::StandLine> frmStand::StandLines() const
{
    return modStand::ReportListLines(m_list);
}

void frmStand::PrintStand()
{
    modStand::PrintStandLines(StandLines(), HuidigePoule);
}

void frmStand::Toolbar1_ButtonClick(const QString& key)
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
        PrintStand();
    } else if (key == QLatin1String("But04")) {
        if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::Closing))
            return;
        modStand::StandHtmlTitel = core::standHtmlTitle(HuidigeRonde, HuidigePoule, modStand::MatchpuntenModus);
        frmHTML dlg(StandLines(), this);
        dlg.exec();
    } else if (key == QLatin1String("But06")) {
        showHelp({QStringLiteral("U ziet hier de stand in de huidige ronde."),
                  QStringLiteral("Wat kunt u hier allemaal doen:"),
                  QStringLiteral("1. Een andere poule kiezen met de lijst of met de pijltjes."),
                  QStringLiteral("2. De stand tonen op basis van punten of van MatchPunten."),
                  QStringLiteral("3. De stand van een reeks poules automatisch laten wisselen (caroussel)."),
                  QStringLiteral("4. De lettergrootte van de stand wijzigen (zoom)."),
                  QStringLiteral("5. De stand afdrukken."),
                  QStringLiteral("6. De stand opslaan als HTML-code voor een website."),
                  QStringLiteral("De mogelijkheden vindt u in de menubalk of onderin.")});
    }
}

void frmStand::Command6_Click(int index)
{
    if (index == 1) {
        showHelp({QStringLiteral("U kunt handmatig een nieuwe poule kiezen, maar u kunt het programma ook "
                                 "automatisch de stand van alle poules laten zien."),
                  QStringLiteral("Kies daarvoor de startpoule en de eindpoule en klik op Start."),
                  QStringLiteral("Met Stop beëindigt u het caroussel en ziet u weer poule 1."),
                  QStringLiteral("Let op: De startpoule moet kleiner zijn dan de eindpoule.")});
    } else {
        showHelp({QStringLiteral("De tijd tussen de wisselingen kunt u hier wijzigen. Elke stap is een seconde "
                                 "trager of sneller.")});
    }
}

void frmStand::Command7_Click()
{
    showHelp({QStringLiteral("Als u de stand op een tweede monitor of TV scherm toont, dan kunt u hier, voor een "
                             "betere zichtbaarheid, de lettergrootte wijzigen."),
              QStringLiteral("De gekozen lettergrootte wordt bij dit toernooi bewaard.")});
}

void frmStand::showHelp(const QStringList& lines)
{
    MeldingTekst = lines.join(QStringLiteral("\r\n"));
    HelpGroot = false;
    ShowHelp();
}

void frmStand::showEvent(QShowEvent* e)
{
    // Inside the main window only the frame around the form can be placed.
    if (!m_placed) {
        m_placed = true;
        platform::placeChildWindow(this, 0, 0, 14470, 9290);
    }
    QWidget::showEvent(e);
}

void frmStand::closeEvent(QCloseEvent* e)
{
    m_timer->stop();
    QWidget::closeEvent(e);
}
