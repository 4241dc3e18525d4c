#include "frmHelpAlgemeen.h"
#include "platform/inputfields.h"
#include "platform/keytoolbar.h"
#include "core/format.h"
#include "core/recordfile.h"

#include "app/modStootplanner.h"
#include "app/shell.h"
#include "PrintHelp.h"
#include "modHelp.h"
#include "platform/msgbox.h"

#include <QAction>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace modStootplanner;
using modHelp::Px;

namespace {

constexpr int KeyRole = Qt::UserRole;
constexpr int NummerRole = Qt::UserRole + 1;

// ImageList2: 1 a closed book (chapter), 2 an open book (expanded), 3 a page (topic).
QIcon treeImage(int n)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (n == 3) {
        p.setPen(QColor(90, 90, 90));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 1.5, 9, 13));
        p.setPen(QColor(0, 0, 160));
        for (int y = 4; y <= 12; y += 2)
            p.drawLine(QPointF(5, y + 0.5), QPointF(11, y + 0.5));
    } else if (n == 1) {
        p.setPen(QColor(60, 20, 0));
        p.setBrush(QColor(170, 40, 40));
        p.drawRect(QRectF(3.5, 1.5, 9, 13));
        p.setBrush(QColor(240, 230, 200));
        p.drawRect(QRectF(12.5, 2.5, 1.5, 11));
        p.setPen(QColor(240, 210, 120));
        p.drawLine(QPointF(6, 5.5), QPointF(10, 5.5));
    } else {
        p.setPen(QColor(60, 20, 0));
        p.setBrush(QColor(250, 250, 240));
        QPolygonF left({QPointF(1, 4), QPointF(8, 5), QPointF(8, 14), QPointF(1, 13)});
        QPolygonF right({QPointF(8, 5), QPointF(15, 4), QPointF(15, 13), QPointF(8, 14)});
        p.drawPolygon(left);
        p.drawPolygon(right);
        p.setPen(QColor(0, 0, 160));
        for (int y = 7; y <= 11; y += 2) {
            p.drawLine(QPointF(2.5, y), QPointF(6.5, y + 0.5));
            p.drawLine(QPointF(9.5, y + 0.5), QPointF(13.5, y));
        }
    }
    return QIcon(pm);
}


// Help files are written with CR LF line breaks; the text box wants one character.
QString shownText(const QString& tekst)
{
    QString s = tekst;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}


const char* const kViewerHelp =
    "U kunt naar helponderwerpen zoeken op Inhoud, op Index en via vrije zoekwoorden. "
    "Op het tabblad Inhoud staan de onderwerpen per menu gerangschikt; dubbelklik op een boek om het te openen en "
    "klik op een onderwerp om de helptekst te tonen. "
    "Op het tabblad Index staan alle trefwoorden op alfabetische volgorde. "
    "Klik op een trefwoord om het bijbehorende onderwerp te tonen; het trefwoord wordt in de tekst opgezocht en "
    "geselecteerd. "
    "Op het tabblad Zoeken kunt u maximaal drie zoekwoorden, gescheiden door komma's, invoeren en op \"Zoek ...\" "
    "klikken. "
    "U krijgt dan een lijst van alle onderwerpen waarin alle zoekwoorden voorkomen. "
    "Klik op een onderwerp uit die lijst om de tekst te tonen; de zoekwoorden worden daarin rood gemaakt. "
    "Met de knop Printen drukt u de getoonde helptekst af op de printer. "
    "Wilt u een stuk tekst elders gebruiken, selecteer het dan, klik met de rechter muisknop en kies Kopiëren.";

const char* const kSearchHelp =
    "U kunt maximaal 3 zoekwoorden, gescheiden door komma's, invoeren.\r\n"
    "Alleen onderwerpen waarin alle zoekwoorden voorkomen worden getoond; hoofd- en kleine letters maken "
    "geen verschil.";

}  // namespace

frmHelpAlgemeen::frmHelpAlgemeen(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmHelpAlgemeen"));
    setWindowTitle(QStringLiteral("Help algemeen"));

    m_toolbar = platform::makeKeyToolbar(this,
                                         {{"But02", "Sluiten", modHelp::ToolIcon(QStringLiteral("But02"))},
                                          {"But03", "Printen", modHelp::ToolIcon(QStringLiteral("But03"))},
                                          {"But05", "Help", modHelp::ToolIcon(QStringLiteral("But05"))}},
                                         Qt::ToolButtonTextBesideIcon,
                                         [this](const QString& key) { Toolbar1_ButtonClick(key); });

    m_tabBody = new QFrame(this);
    m_tabBody->setFrameShape(QFrame::StyledPanel);
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    m_tabs->addTab(QStringLiteral("Inhoud"));
    m_tabs->setTabToolTip(0, QStringLiteral("Help op inhoud"));
    m_tabs->addTab(QStringLiteral("Index"));
    m_tabs->setTabToolTip(1, QStringLiteral("Help op index"));
    m_tabs->addTab(QStringLiteral("Zoeken"));
    // A tab chosen by mouse or keyboard; the tab already shown does nothing.
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int i) {
        if (i >= 0)
            TabStrip1_Click(i + 1);
    });

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("tv1"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setRootIsDecorated(true);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this] { tv1_Click(); });
    // A chapter shows the open book while it is expanded.
    connect(m_tree, &QTreeWidget::itemExpanded, this, [](QTreeWidgetItem* it) { it->setIcon(0, treeImage(2)); });
    connect(m_tree, &QTreeWidget::itemCollapsed, this, [](QTreeWidgetItem* it) { it->setIcon(0, treeImage(1)); });

    m_index = new QListWidget(this);
    m_index->setObjectName(QStringLiteral("List1"));
    // Once the entry is selected: a mouse click makes it current before it selects it.
    connect(m_index, &QListWidget::itemSelectionChanged, this, [this] { List1_Click(); });
    connect(m_index, &QListWidget::itemDoubleClicked, this, [this] { List1_DblClick(); });

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setFrameShape(QFrame::StyledPanel);
    m_zoekTekst = new QLineEdit(m_frame);
    m_zoekTekst->setObjectName(QStringLiteral("Text1"));
    m_zoekTekst->setGeometry(Px(105), Px(420), Px(3165), Px(330));
    platform::setupInputField(m_zoekTekst, platform::KeyFilter::Any);
    m_vraag = new QPushButton(QStringLiteral("?"), m_frame);
    m_vraag->setObjectName(QStringLiteral("Command3"));
    QFont vf(QStringLiteral("Times New Roman"));
    vf.setPointSize(12);
    vf.setBold(true);
    m_vraag->setFont(vf);
    m_vraag->setGeometry(Px(1575), Px(840), Px(435), Px(330));
    connect(m_vraag, &QPushButton::clicked, this, [this] { Command3_Click(); });
    m_zoek = new QPushButton(QStringLiteral("Zoek ..."), m_frame);
    m_zoek->setObjectName(QStringLiteral("Command1"));
    m_zoek->setGeometry(Px(2100), Px(840), Px(1170), Px(330));
    // Enter in the search box leads here, and Enter here searches.
    m_zoek->setAutoDefault(true);
    setTabOrder(m_zoekTekst, m_zoek);
    connect(m_zoek, &QPushButton::clicked, this, [this] { Command1_Click(); });
    m_hits = new QListWidget(m_frame);
    m_hits->setObjectName(QStringLiteral("List2"));
    m_hits->setGeometry(Px(105), Px(1260), Px(3165), Px(3765));
    // Only a selected hit opens: entering the list makes a row current without choosing it.
    connect(m_hits, &QListWidget::itemSelectionChanged, this, [this] { List2_Click(); });
    connect(m_hits, &QListWidget::itemDoubleClicked, this, [this] { List2_DblClick(); });
    m_hint = new QLabel(QStringLiteral("Click op onderwerp om helptekst te tonen"), m_frame);
    m_hint->setObjectName(QStringLiteral("Label1"));
    m_hint->setWordWrap(true);
    m_hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_titel = new QLabel(this);
    m_titel->setObjectName(QStringLiteral("Label2"));
    QFont tf(QStringLiteral("MS Sans Serif"));
    tf.setPointSizeF(9.75);
    tf.setBold(true);
    m_titel->setFont(tf);
    m_titel->setTextFormat(Qt::PlainText);

    m_tekst = new QTextEdit(this);
    m_tekst->setObjectName(QStringLiteral("RichTextBox1"));
    m_tekst->setAcceptRichText(false);
    // Nothing typed there is ever stored: the box is for reading and copying.
    m_tekst->setReadOnly(true);
    m_tekst->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont af(QStringLiteral("Arial"));
    af.setPointSize(9);
    m_tekst->setFont(af);
    m_tekst->document()->setDefaultFont(af);
    // The box's own menu on the right mouse button, in the program's language.
    m_tekst->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tekst, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu menu(m_tekst);
        QAction* kopieer = menu.addAction(QStringLiteral("Kopiëren"), m_tekst, &QTextEdit::copy);
        kopieer->setShortcut(QKeySequence::Copy);
        kopieer->setEnabled(m_tekst->textCursor().hasSelection());
        QAction* alles = menu.addAction(QStringLiteral("Alles selecteren"), m_tekst, &QTextEdit::selectAll);
        alles->setShortcut(QKeySequence::SelectAll);
        menu.exec(m_tekst->viewport()->mapToGlobal(pos));
    });

    resize(Px(10995), Px(6900));
    setMinimumSize(Px(10995), Px(6900));
    Form_Load();
}

QIcon frmHelpAlgemeen::HelpIcon() { return modHelp::ToolIcon(QStringLiteral("But05")); }

void frmHelpAlgemeen::layoutControls()
{
    // The designed layout, with the text box and the panels taking any extra room.
    const int extraW = qMax(0, width() - Px(10995));
    const int extraH = qMax(0, height() - Px(6900));
    m_toolbar->setGeometry(0, 0, width(), Px(600));
    const int tabH = m_tabs->sizeHint().height();
    m_tabs->setGeometry(Px(105), Px(630), Px(3585), tabH);
    m_tabBody->setGeometry(Px(105), Px(630) + tabH - 1, Px(3585), Px(6105) - tabH + 1 + extraH);
    m_tree->setGeometry(Px(210), Px(1050), Px(3375), Px(5595) + extraH);
    m_index->setGeometry(Px(210), Px(1050), Px(2640), Px(5520) + extraH);
    m_frame->setGeometry(Px(210), Px(1050), Px(3375), Px(5580) + extraH);
    m_hits->setGeometry(Px(105), Px(1260), Px(3165), Px(3765) + extraH);
    // Two lines of room: the hint is wider than its designed line in most fonts.
    m_hint->setGeometry(Px(210), Px(5145) + extraH, Px(3060), Px(420));
    m_titel->setGeometry(Px(3780), Px(630), Px(3585) + extraW, Px(330));
    m_tekst->setGeometry(Px(3780), Px(1050), Px(7050) + extraW, Px(5685) + extraH);
}

void frmHelpAlgemeen::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    layoutControls();
}

void frmHelpAlgemeen::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (m_placed)
        return;
    m_placed = true;
    // Placed inside the main window when it first shows.
    platform::placeChildWindowFitted(this, 700, 500);
}

void frmHelpAlgemeen::Form_Load()
{
    layoutControls();
    m_tabs->setCurrentIndex(0);
    m_tree->show();
    m_index->hide();
    m_frame->hide();
    if (!modHelp::CheckHelpFile())
        return;
    fillIndex();
    BuildContentsTree();
}

void frmHelpAlgemeen::fillIndex()
{
    m_index->blockSignals(true);
    m_index->clear();
    for (const core::HelpIndexEntry& e : core::helpIndex(modHelp::HelpBestand())) {
        auto* it = new QListWidgetItem(e.trefwoord, m_index);
        it->setData(NummerRole, int(e.nummer));
    }
    m_index->setCurrentRow(-1);
    m_index->blockSignals(false);
}

void frmHelpAlgemeen::BuildContentsTree()
{
    m_tree->blockSignals(true);
    m_tree->clear();
    QHash<QString, QTreeWidgetItem*> byKey;
    for (const core::HelpTreeNode& n : core::helpContentsTree()) {
        const QString key = QLatin1String(n.key);
        QTreeWidgetItem* parent = byKey.value(QLatin1String(n.parent));
        auto* it = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        it->setText(0, QString::fromUtf8(n.text));
        it->setData(0, KeyRole, key);
        it->setData(0, NummerRole, n.record);
        it->setIcon(0, treeImage(n.record > 0 ? 3 : 1));
        byKey.insert(key, it);
    }
    m_tree->blockSignals(false);
    if (QTreeWidgetItem* root = byKey.value(QStringLiteral("H")))
        root->setExpanded(true);
}

void frmHelpAlgemeen::clearTopic()
{
    m_titel->clear();
    m_tekst->clear();
}

void frmHelpAlgemeen::ShowTopic(qint64 nummer)
{
    if (!modHelp::ReadHelpOnderwerp(nummer)) {
        // A topic beyond the end of a shorter file: nothing to show.
        clearTopic();
        return;
    }
    m_titel->setText(core::rightTrimmed(modHelp::HelpOnderwerp.titel));
    m_tekst->setPlainText(shownText(core::rightTrimmed(modHelp::HelpOnderwerp.tekst)));
}

namespace {
// An existing help file that cannot be read is a run-time error of the handler.
bool readable(const QString& path)
{
    QFile f;
    return core::openPlainFile(f, path);
}
}  // namespace

void frmHelpAlgemeen::tv1_Click()
{
    if (!modHelp::CheckHelpFile())
        return;
    // Topic nodes are tested in tree order, A1 to K1; the first selected one counts.
    int record = 0;
    for (QTreeWidgetItemIterator it(m_tree); *it && record == 0; ++it)
        if ((*it)->isSelected())
            record = (*it)->data(0, NummerRole).toInt();
    if (record == 0)
        return;   // the root or a chapter: title and text stay
    if (!readable(modHelp::HelpBestand())) {
        modHelp::ShowErrorReport(75, QStringLiteral("Path/File access error"), QStringLiteral("Stootplanner"),
                                 QStringLiteral("frmHelpAlgemeen"));
        return;
    }
    ShowTopic(record);
}

void frmHelpAlgemeen::List1_Click()
{
    QListWidgetItem* it = m_index->currentItem();
    if (m_index->currentRow() < 0 || !it || !it->isSelected())
        return;
    if (!modHelp::CheckHelpFile())
        return;
    if (!readable(modHelp::HelpBestand())) {
        modHelp::ShowErrorReport(75, QStringLiteral("Path/File access error"), QStringLiteral("Stootplanner"),
                                 QStringLiteral("frmHelpAlgemeen (index)"));
        return;
    }
    ShowTopic(it->data(NummerRole).toInt());
    const QString zoek = core::indexSearchText(it->text());
    const int pos = core::findIgnoringCase(m_tekst->toPlainText(), zoek);
    QTextCursor c(m_tekst->document());
    if (pos >= 0) {
        c.setPosition(pos);
        c.setPosition(pos + int(zoek.size()), QTextCursor::KeepAnchor);
    }
    m_tekst->setTextCursor(c);
    m_tekst->ensureCursorVisible();
}

void frmHelpAlgemeen::TabStrip1_Click(int index)
{
    m_tabs->blockSignals(true);
    m_tabs->setCurrentIndex(index - 1);
    m_tabs->blockSignals(false);
    switch (index) {
    case 1:
        clearTopic();
        m_index->hide();
        m_frame->hide();
        m_tree->show();
        BuildContentsTree();
        break;
    case 2:
        clearTopic();
        m_tree->hide();
        m_frame->hide();
        m_index->setCurrentRow(-1);
        m_index->clearSelection();
        m_index->show();
        break;
    case 3:
        clearTopic();
        m_tree->hide();
        m_index->setCurrentRow(-1);
        m_index->clearSelection();
        m_index->hide();
        m_frame->show();
        break;
    default:
        break;
    }
}

void frmHelpAlgemeen::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("But02")) {
        close();
    } else if (key == QLatin1String("But03")) {
        PrintTopic();
    } else if (key == QLatin1String("But05")) {
        MeldingTekst = QString::fromUtf8(kViewerHelp);
        HelpGroot = false;
        ShowHelp();
    }
}

void frmHelpAlgemeen::Command3_Click()
{
    MeldingTekst = QString::fromUtf8(kSearchHelp);
    HelpGroot = false;
    ShowHelp();
}

void frmHelpAlgemeen::Command1_Click()
{
    if (!modHelp::CheckHelpFile())
        return;
    m_hits->blockSignals(true);
    m_hits->clear();
    m_hits->blockSignals(false);
    m_tekst->clear();
    if (m_zoekTekst->text().isEmpty()) {
        platform::Beep();
        return;
    }
    m_zoekwoorden = core::splitSearchWords(m_zoekTekst->text());
    m_hits->blockSignals(true);
    for (const core::HelpHit& h : core::searchHelpFile(modHelp::HelpBestand(), m_zoekwoorden)) {
        auto* it = new QListWidgetItem(h.titel, m_hits);
        it->setData(NummerRole, int(h.nummer));
    }
    m_hits->setCurrentRow(-1);
    m_hits->blockSignals(false);
    if (m_hits->count() == 0)
        platform::MsgBox(QStringLiteral("Geen zoekresultaten gevonden"), platform::vbOKOnly);
}

void frmHelpAlgemeen::List2_Click()
{
    QListWidgetItem* it = m_hits->currentItem();
    if (m_hits->count() == 0 || m_hits->currentRow() < 0 || !it || !it->isSelected())
        return;
    if (!modHelp::CheckHelpFile())
        return;
    ShowTopic(it->data(NummerRole).toInt());
    for (const QString& w : m_zoekwoorden)
        if (!w.isEmpty())
            HighlightWord(m_tekst, w);
}

void frmHelpAlgemeen::HighlightWord(QTextEdit* box, const QString& word)
{
    QTextCharFormat mark;
    mark.setForeground(QColor(255, 0, 0));
    mark.setFontWeight(QFont::Bold);
    const QString text = box->toPlainText();
    for (int pos : core::wordOccurrences(text, word)) {
        QTextCursor c(box->document());
        c.setPosition(pos);
        c.setPosition(pos + int(word.size()), QTextCursor::KeepAnchor);
        c.mergeCharFormat(mark);
    }
    QTextCursor end = box->textCursor();
    end.clearSelection();
    box->setTextCursor(end);
}

void frmHelpAlgemeen::PrintTopic()
{
    if (!modHelp::CheckHelpFile())
        return;
    if (m_tekst->toPlainText().isEmpty()) {
        platform::MsgBox(QStringLiteral("U heeft geen helptekst gekozen om te printen!"), platform::vbExclamation,
                         MeldingTitel);
        return;
    }
    modHelp::PrintHelpTopic(core::rightTrimmed(m_titel->text()), m_tekst->toPlainText());
}
