// Every window shows its texts whole, with the demo tournament and with a poule of long names:
// buttons, labels, frames, list headers and cells are measured against the room they get.
#include "app/frmHelp.h"
#include "app/frmStart.h"
#include "core/format.h"
#include "core/planning.h"
#include "planning/frmKiesPlanning.h"
#include "planning/frmPlanning.h"
#include "planning/frmPlanningStart.h"
#include "platform/appearance.h"
#include "platform/formgeometry.h"
#include "poules/frmZoek.h"
#include "rounds/frmGaNaarRonde.h"
#include "rounds/frmNieuweRonde.h"
#include "standings/frmHTML.h"
#include "standings/frmKleur.h"
#include "standings/frmOpslaanHtml.h"
#include "standings/frmStand.h"
#include "standings/frmStandTussen.h"
#include "support/rounds_fixture.h"
#include <QtWidgets>

using namespace modStootplanner;
using namespace testsupport::roundsenv;

namespace {

// The texts a widget draws and where each starts: what the user sees, whatever its model holds.
class DrawnTexts : public QPaintDevice {
public:
    explicit DrawnTexts(QWidget* w) : m_size(w->size()), m_dpiX(w->logicalDpiX()), m_dpiY(w->logicalDpiY())
    {
        w->render(this);
    }
    QPaintEngine* paintEngine() const override { return &m_engine; }
    // The sizes of the faces the texts are drawn in.
    QSet<qreal> faces() const
    {
        QSet<qreal> out;
        for (const qreal f : m_engine.faces)
            out.insert(f);
        return out;
    }
    // The texts drawn inside each cell of the view, joined from left to right.
    QHash<QPersistentModelIndex, QString> byCell(const QAbstractItemView* v) const
    {
        auto texts = m_engine.texts;
        std::stable_sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return a.first.x() < b.first.x(); });
        QHash<QPersistentModelIndex, QString> out;
        for (const auto& [at, text] : texts)
            if (const QModelIndex i = v->indexAt(at.toPoint()); i.isValid())
                out[i] += text;
        return out;
    }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return m_size.width();
        case PdmHeight: return m_size.height();
        case PdmWidthMM: return m_size.width() * 254 / (10 * m_dpiX);
        case PdmHeightMM: return m_size.height() * 254 / (10 * m_dpiY);
        case PdmDpiX: case PdmPhysicalDpiX: return m_dpiX;
        case PdmDpiY: case PdmPhysicalDpiY: return m_dpiY;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    struct Engine : QPaintEngine {
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& s) override
        {
            if (s.state() & DirtyTransform)
                transform = s.transform();
        }
        void drawTextItem(const QPointF& p, const QTextItem& item) override
        {
            texts.append({transform.map(p), item.text()});
            faces.append(item.font().pointSizeF());
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
        Type type() const override { return User; }
        QTransform transform;
        QList<std::pair<QPointF, QString>> texts;
        QList<qreal> faces;
    };
    mutable Engine m_engine;
    QSize m_size;
    int m_dpiX, m_dpiY;
};

// A name shortened as a name may be: an ellipsis where the name stops, everything from its last comma on (the
// initials, a target) whole, and no figure among what was left out; a name without a comma keeps a target in
// brackets that ends it.
bool nameCut(const QString& whole, const QString& shown)
{
    qsizetype k = whole.lastIndexOf(QLatin1Char(','));
    if (k <= 0) {
        const QRegularExpressionMatch doel = QRegularExpression(QStringLiteral("\\s*\\(\\d+\\)$")).match(whole);
        k = doel.hasMatch() ? doel.capturedStart() : whole.size();
    }
    const qsizetype e = shown.indexOf(QChar(0x2026));
    return e >= 0 && shown.mid(e + 1) == whole.mid(k) && whole.left(k).startsWith(shown.left(e))
           && !whole.left(k).contains(QRegularExpression(QStringLiteral("\\d")));
}

// The tool tip the view shows over a point of its viewport; empty when it shows none.
QString toolTipAt(QAbstractItemView* v, const QPoint& at)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel"))
            w->close();
    QHelpEvent e(QEvent::ToolTip, at, v->viewport()->mapToGlobal(at));
    QApplication::sendEvent(v->viewport(), &e);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// What the window shows cut, as "control text (need > room)"; empty when every text is whole. Counts the
// texts measured.
QStringList cutTexts(QWidget* form, bool zijwaarts, int& checked)
{
    QStringList cuts;
    auto check = [&](const QWidget* w, const QString& text, int need, int room) {
        ++checked;
        if (need > room)
            cuts << QStringLiteral("%1 %2 (%3 > %4)").arg(w->objectName(), text).arg(need).arg(room);
    };
    if (form->layout())
        check(form, "venster", form->layout()->minimumSize().width(), form->width());
    if (form->isWindow())   // the caption in the desktop's title bar
        check(form, "titel " + form->windowTitle(), platform::CaptionWidth(form), form->width());
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(form) || w->width() <= 0)
            continue;
        if (auto* v = qobject_cast<QAbstractItemView*>(w)) {   // header sections and cells, inside the view
            const QAbstractItemModel* m = v->model();
            auto* tree = qobject_cast<QTreeView*>(v);
            const QHeaderView* h = tree && !tree->isHeaderHidden() ? tree->header() : nullptr;
            // The part of the view the user sees: what its frame, its window and the main window leave of it.
            const int viewW = qMin(v->viewport()->width(), v->viewport()->visibleRegion().boundingRect().right() + 1);
            // A sideways scroll bar only where the window shows less than its list holds by design.
            const bool scrolls = zijwaarts && v->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
            if (!zijwaarts)
                check(v, "zijwaarts", v->horizontalScrollBar()->maximum(), 0);
            const DrawnTexts drawn(v->viewport());
            const auto getekend = drawn.byCell(v);
            if (qobject_cast<QTableView*>(v))   // a grid of names in one face, not one per cell
                check(v, "letters", int(drawn.faces().size()), 1);
            for (int c = 0; c < m->columnCount(); ++c) {
                if (h && (h->isSectionHidden(c) || h->sectionSize(c) <= 1))   // hidden, or practically so
                    continue;
                const QString kop = m->headerData(c, Qt::Horizontal).toString();
                if (h) {   // the caption in its section, the section in view or within reach of the scroll bar
                    check(v, "kop " + kop, h->sectionSizeHint(c), h->sectionSize(c));
                    check(v, "kolom " + kop, h->sectionPosition(c) + h->sectionSize(c), scrolls ? INT_MAX : viewW);
                }
                for (int r = 0; r < m->rowCount(); ++r) {
                    const QModelIndex i = m->index(r, c);
                    const QRect cell = v->visualRect(i);
                    const bool away = !scrolls && (cell.left() >= viewW || cell.right() < 0);
                    if (i.data().toString().trimmed().isEmpty() || away)
                        continue;   // out of view by design (the planning grid has scroll bars of its own)
                    int right = h || !qobject_cast<QListView*>(v) ? qMin(cell.right() + 1, viewW) : viewW;
                    right = scrolls ? qMax(right, cell.right() + 1) : right;
                    // A cell in view shows its text whole, or a name shortened with the whole text as its tool tip.
                    const QString whole = core::rightTrimmed(i.data().toString());
                    const QString shown = getekend.value(i);
                    const bool inView = v->viewport()->rect().contains(cell);
                    const bool kort =
                        inView && nameCut(whole, shown) && toolTipAt(v, cell.center()).split('\n').contains(whole);
                    const bool anders = inView && !kort && shown != whole;   // drawn otherwise than it reads
                    check(v, "cel " + whole + (anders ? " getekend als " + shown : QString()),
                          kort ? 0 : anders ? INT_MAX : v->sizeHintForIndex(i).width(), right - cell.left());
                }
            }
        } else if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty() && l->pixmap().isNull()) {
            // Every line high enough: a name's initials may go on a line of their own.
            check(l, l->text(), l->wordWrap() ? l->heightForWidth(l->width()) : l->minimumSizeHint().height(),
                  l->height());
            // A name shortened by its name only shows its tool tip with the whole name; any other cut text is
            // measured whole, as the label would show it.
            const bool kort = nameCut(l->toolTip(), l->text());
            const QString whole = l->text().contains(QChar(0x2026)) && !kort ? l->toolTip() : l->text();
            const int more = l->fontMetrics().horizontalAdvance(whole) - l->fontMetrics().horizontalAdvance(l->text());
            check(l, whole, l->minimumSizeHint().width() + more, l->width());
        } else if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty()) {
            auto* t = qobject_cast<QToolButton*>(b);
            if (t && t->toolButtonStyle() == Qt::ToolButtonIconOnly)
                continue;
            // A push button's text has the room inside its frame; the others size themselves to it.
            const int text = b->fontMetrics().horizontalAdvance(QString(b->text()).remove('&'))
                             + (b->icon().isNull() ? 0 : b->iconSize().width() + 4);
            check(b, b->text(), qobject_cast<QPushButton*>(b) ? text + 8 : b->sizeHint().width(), b->width());
        } else if (auto* g = qobject_cast<QGroupBox*>(w); g && g->layout()) {   // its title and its controls
            check(g, g->title(), g->minimumSizeHint().width(), g->width());
        } else if (auto* tb = qobject_cast<QToolBar*>(w)) {
            const QWidget* more = tb->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button"));
            check(tb, "werkbalk", more && more->isVisible(), 0);
        }
    }
    return cuts;
}

// Two poules of names of 20 characters, all in capitals or as clubs type them, with initials of 7, three-digit
// targets and big figures; the first player holds the run. The first two are carried into round 2.
void buildLongNames(core::TournamentBuilder& b, bool hoofdletters)
{
    b.toernooi.aantalDecimalen = 3;
    const char* kapitalen[][2] = {{"WOUTERSEN-MOLENMAKER", "W.M.W.M"}, {"VAN DER WIELEN-BOOMS", "W.M.J.H"},
                                  {"WWWWWWWWWWWWWWWWWWWW", "W.W.W.W"}, {"ÉÉNHOORN-ÖSTERGÅRDÉN", "É.Ö.W.M"},
                                  {"MOLENBROEK-WEGGEMANS", "M.W."},    {"HEEMSKERK-WOLFSWINKE", "H.J.M.W"}};
    const char* gemengd[][2] = {{"van Wammerwoude-Mees", "W.M.J.H"}, {"Schimmelpenninck-vdW", "H.A.W."},
                                {"Heemskerk-Wolfswinke", "H.J.M.W"}, {"Éénhoorn-Östergården", "É.Ö.W.M"},
                                {"van der Wielen-Booms", "M.W."},    {"Wijnbergen-Mastenbro", "W."}};
    const auto& namen = hoofdletters ? kapitalen : gemengd;
    for (qint16 p = 1; p <= 2; ++p)
        for (int i = 0; i < 6; ++i) {
            const int nr = 100 * p + i + 1;
            b.addPlayer(nr, QString::fromUtf8(namen[i][0]), QString::fromUtf8(namen[i][1]), 1, p, fx(18.888 - i),
                        qint16(221 + 11 * i));
            for (int j = 0; j < i; ++j)
                b.addGame(1, p, 100 * p + j + 1, 340, 38, j == 0 ? 288 : 99, nr, 333, 38, 188);
        }
    b.setRound(1, 2);
    for (int i = 0; i < 2; ++i)
        b.addPlayer(101 + i, QString::fromUtf8(namen[i][0]), QString::fromUtf8(namen[i][1]), 2, 1, fx(18.888 - i));
}

enum Namen { Demo, Hoofdletters, Gemengd };
const char* const namenNaam[] = {"demo", "hoofdletters", "gemengd"};

template <class Dialog> QWidget* dialog(mdiHoofd& h) { return new Dialog(&h); }
template <class Control> Control* control(QWidget* w, const char* name) { return w->findChild<Control*>(name); }
void click(QWidget* w, const char* name) { control<QAbstractButton>(w, name)->click(); }

using Opener = std::function<QWidget*(mdiHoofd&)>;

// A child window opened from its menu item, then a few steps on its controls.
Opener item(const char* name, std::function<void(QWidget*)> then = [](QWidget*) {})
{
    return [=](mdiHoofd& h) {
        h.toggleMenuWindow(QLatin1String(name));
        QWidget* w = h.menuWindow(QLatin1String(name));
        return w ? (then(w), w) : w;
    };
}

// The same in a main window of a given width, a little wider than the window: too narrow for the window to grow
// as far as its names need, so that they give way.
Opener narrow(int breed, Opener open)
{
    return [=](mdiHoofd& h) {
        h.resize(breed, h.height());
        h.show();
        QApplication::processEvents();   // its client area as narrow as the main window
        return open(h);
    };
}

const Opener autoKoppel = item("mnuRondebeheerRandom", [](QWidget* w) {   // its result
    control<QLineEdit>(w, "Text1")->setText("4");
    control<QLineEdit>(w, "Text2")->setText("2");
    click(w, "Command2");
});
const Opener ovSpeler = item("mnuOverzichtenSpeler", [](QWidget* w) {   // a player's games of all rounds
    click(w, "Option1_1");
    auto* spelers = control<QTreeWidget>(w, "ListView1");
    emit spelers->itemClicked(spelers->topLevelItem(0), 0);
});

// A window, its round, how it opens, and how many texts it shows cut.
const struct Window {
    const char* name;
    qint16 ronde;
    Opener open;
    int cuts = 0;
    bool zijwaarts = false;   // its list may scroll sideways
} windows[] = {
    {"mdiHoofd", 1, [](mdiHoofd& h) -> QWidget* { return &h; }},
    {"frmStart", 1, dialog<frmStart>},
    {"frmHelp", 1, [](mdiHoofd& h) { MeldingTekst = "Een tekst van de helpknop."; return dialog<frmHelp>(h); }},
    {"frmZoek", 1, dialog<frmZoek>},
    {"frmZoek gevonden", 1, [](mdiHoofd& h) {   // every player of the round
         QWidget* w = dialog<frmZoek>(h);
         click(w, "Command1");
         return w;
     }},
    {"frmStand", 1, item("mnuOverzichtenStand")},
    {"frmStand 8 punt", 1, item("mnuOverzichtenStand", [](QWidget* w) { click(w, "Option2_0"); })},
    {"frmStand 12 punt", 1, item("mnuOverzichtenStand", [](QWidget* w) { click(w, "Option2_1"); })},
    {"frmStand 16 punt", 1, item("mnuOverzichtenStand", [](QWidget* w) { click(w, "Option2_2"); }), 0, true},
    {"frmStand 20 punt", 1, item("mnuOverzichtenStand", [](QWidget* w) { click(w, "Option2_3"); }), 0, true},
    // Not vacuous: a name column narrowed after the window showed, the header and six names, and a holder's
    // label too narrow for any name, cut with the whole name in its tool tip.
    {"frmStand versmald", 1, item("mnuOverzichtenStand", [](QWidget* w) {
         w->window()->show();
         control<QTreeWidget>(w, "ListView1")->setColumnWidth(1, 20);
         control<QLabel>(w, "Label4")->setFixedWidth(20);
     }), 8},
    {"frmStandTussen", 1, [](mdiHoofd& h) { TussenstandPoule = 1; return dialog<frmStandTussen>(h); }},
    {"frmWinnars", 1, item("mnuOverzichtenWinnaars")},
    {"frmWinnars vierden", 1, item("mnuOverzichtenWinnaars", [](QWidget* w) { click(w, "Command1_3"); })},
    {"frmHTML", 1, [](mdiHoofd& h) -> QWidget* {
         return new frmHTML(static_cast<frmStand*>(item("mnuOverzichtenStand")(h))->StandLines(), &h);
     }},
    {"frmKleur", 1, dialog<frmKleur>},
    {"frmOpslaanHtml", 1, dialog<frmOpslaanHtml>},
    {"frmNieuweRonde", 2, dialog<frmNieuweRonde>},
    {"frmGaNaarRonde", 2, dialog<frmGaNaarRonde>},
    {"frmDoorkoppelen", 2, item("mnuRondebeheerKoppelen")},
    {"frmDoorkoppelen smal", 2, narrow(915, item("mnuRondebeheerKoppelen"))},
    {"frmAutoKoppel", 2, autoKoppel},
    {"frmAutoKoppel smal", 2, narrow(830, autoKoppel)},
    {"frmMatrix", 1, item("mnuOverzichtenMatrix")},
    {"frmOvSpeler", 1, ovSpeler},
    {"frmOvSpeler smal", 1, narrow(1010, ovSpeler)},
    {"frmPlanningStart", 1, dialog<frmPlanningStart>},
    {"frmKiesPlanning", 1, dialog<frmKiesPlanning>},
    {"frmPlanning", 1, [](mdiHoofd& h) -> QWidget* { return h.showChild(new frmPlanning)->widget(); }},
    {"frmHelpAlgemeen", 1, item("mnuHelpAlgemeen", [](QWidget* w) {   // the index, one entry shown
         control<QTabBar>(w, "TabStrip1")->setCurrentIndex(1);
         control<QListWidget>(w, "List1")->setCurrentRow(0);
     })},
    {"frmKlok", 1, item("mnuDiversenKlok")},
};

} // namespace

class TestWindowsTextFit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(shipped);
        platform::UseProgramFonts();
        platform::UseProgramIcon();
        QCOMPARE(QApplication::windowIcon().availableSizes().size(), 4);
        // Every text Dutch, the date pickers' too, but numbers with the system's decimal separator.
        platform::UseDutchTexts();
        QCOMPARE(frmPlanningStart().DTPicker1()->calendarWidget()->locale().monthName(10), QStringLiteral("oktober"));
        QCOMPARE(core::truncatedText(core::Fixed::fromRaw(15000), 2), "1" + QLocale::system().decimalPoint() + "50");
    }

    // Shortened, a text loses letters of its name only: the initials after its comma and a target in brackets
    // stay whole, the name ends in an ellipsis, and it is never wider than its room. Whole where it fits.
    void nameGivesWay_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("blijft");
        QTest::newRow("naam, voorletters") << "WOUTERSEN-MOLENMAKER, W.M.J.H" << ", W.M.J.H";
        QTest::newRow("planningcel") << "WWWWWWWWWWW,W (221)" << ",W (221)";
        QTest::newRow("gemengd") << "van Wammerw,W (159)" << ",W (159)";
        QTest::newRow("naam met doel") << "Heemskerk-Wolfswinke (1236)" << " (1236)";
        QTest::newRow("alleen naam") << "Schimmelpenninck-vdW" << "";
    }
    void nameGivesWay()
    {
        QFETCH(QString, tekst);
        QFETCH(QString, blijft);
        const QFontMetricsF fm(QApplication::font());
        QCOMPARE(platform::ElideNamePart(tekst, fm, fm.horizontalAdvance(tekst)), tekst);
        const QString naam = tekst.chopped(blijft.size());
        for (qsizetype letters = naam.size() - 1; letters >= 1; --letters) {
            const qreal breed = fm.horizontalAdvance(naam.left(letters) + QChar(0x2026) + blijft) + 0.5;
            const QString kort = platform::ElideNamePart(tekst, fm, breed);
            if (fm.horizontalAdvance(tekst) <= breed)   // an ellipsis is wider than a last letter
                QCOMPARE(kort, tekst);
            else
                QVERIFY2(kort.endsWith(QChar(0x2026) + blijft) && naam.startsWith(kort.chopped(blijft.size() + 1))
                             && fm.horizontalAdvance(kort) <= breed,
                         qPrintable(kort));
        }
        QCOMPARE(platform::KeptPartWidth(tekst, fm), fm.horizontalAdvance(naam.left(3) + QChar(0x2026) + blijft));
    }

    void everyTextWhole_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("namen");
        for (const Window& w : windows)
            for (int namen : {Demo, Hoofdletters, Gemengd})
                QTest::addRow("%s %s", w.name, namenNaam[namen]) << int(&w - windows) << namen;
    }
    // Each window over the demo tournament or the long names, in its round.
    void everyTextWhole()
    {
        QFETCH(int, window);
        QFETCH(int, namen);
        RoundsEnv env;
        core::TournamentBuilder& b = env.builder();
        if (namen == Demo)
            b = core::demoTournament(env.tournament.folder());
        else
            buildLongNames(b, namen == Hoofdletters);
        b.setRound(2, 1);
        env.load();
        auto planning = core::newPlanning(1, 46000, 1, 4, 14, 2, 1);   // the grid shows the list entries
        const QStringList entries = core::pouleListEntries(PadSpelers(), 1, 1);
        for (int c = 0; c < 4 * 14 * 2; ++c)
            planning.setNaam(c / 28 + 1, c / 2 % 14 + 1, c % 2 + 1, entries.value(c % entries.size()));
        QCOMPARE(core::appendPlanning(PadPlanning(), planning), 1);
        GekozenPlanning = GekozenPlanningRonde = 1;
        QVERIFY(QFile::copy(":/shipped/StootplannerHelp.hlp", ProgrammaMap + "StootplannerHelp.hlp"));
        HuidigeRonde = windows[window].ronde;
        AantalPoules = ReadPoule(HuidigeRonde) ? Poule.aantalPoules : 0;
        QWidget* form = windows[window].open(*env.hoofd);
        QVERIFY(form);
        env.hoofd->show();
        form->show();
        for (int i = 0; i < 5; ++i)   // as the user sees it: layouts and scroll bars settled, nested ones too
            QApplication::processEvents();
        int checked = 0;
        const QStringList cuts = cutTexts(form, windows[window].zijwaarts, checked);
        QVERIFY2(cuts.size() == windows[window].cuts && checked > 0, qPrintable(cuts.join('\n')));
        // The program's icon, not the toolkit's logo: a child window's frame has it set.
        auto* frame = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        QVERIFY(frame ? frame->testAttribute(Qt::WA_SetWindowIcon) : form->window()->windowIcon().cacheKey()
                                                                       == QApplication::windowIcon().cacheKey());
    }
};

QTEST_MAIN(TestWindowsTextFit)
#include "test_windows_textfit.moc"
