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

// What the window shows cut, as "control text (need > room)"; empty when every text is whole. Counts the
// texts measured.
QStringList cutTexts(QWidget* form, int& checked)
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
            const int viewW = v->viewport()->width();
            const bool scrolls = v->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;   // reaches every column
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
                    check(v, "cel " + i.data().toString(), v->sizeHintForIndex(i).width(), right - cell.left());
                }
            }
        } else if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty() && l->pixmap().isNull()) {
            // Every line high enough: a name's initials may go on a line of their own.
            check(l, l->text(), l->wordWrap() ? l->heightForWidth(l->width()) : l->minimumSizeHint().height(),
                  l->height());
            // A name cut with an ellipsis: its tool tip holds the whole name, measured as the label would show it.
            const QString whole = l->text().endsWith(QChar(0x2026)) ? l->toolTip() : l->text();
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

// One poule: names of 20 characters in capitals, mixed case and accents, initials of 7, big figures;
// WOUTERSEN-MOLENMAKER holds the run. The first two are carried into round 2.
void buildLongNames(core::TournamentBuilder& b)
{
    b.toernooi.aantalDecimalen = 3;
    const char* namen[][2] = {{"WOUTERSEN-MOLENMAKER", "W.M.W.M"}, {"HEEMSKERK-WOLFSWINKE", "H.J.M.W"},
                              {"Schimmelpenninck vdW", "H.A.W."},  {"ÉÉNHOORN-ÖSTERGÅRDÉN", "É.Ö.W.M"},
                              {"MOLENBROEK-WEGGEMANS", "M.W."},    {"Wijnbergen-Mastenbro", "W."}};
    for (int i = 0; i < 6; ++i) {
        b.addPlayer(101 + i, QString::fromUtf8(namen[i][0]), QString::fromUtf8(namen[i][1]), 1, 1, fx(18.888 - i));
        for (int j = 0; j < i; ++j)
            b.addGame(1, 1, 101 + j, 340, 38, j == 0 ? 288 : 99, 101 + i, 333, 38, 188);
    }
    for (int i = 0; i < 2; ++i)
        b.addPlayer(101 + i, QString::fromUtf8(namen[i][0]), QString::fromUtf8(namen[i][1]), 2, 1, fx(18.888 - i));
}

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

// A window, its round, how it opens, and how many texts it shows cut.
const struct Window { const char* name; qint16 ronde; Opener open; int cuts = 0; } windows[] = {
    {"mdiHoofd", 1, [](mdiHoofd& h) -> QWidget* { return &h; }},
    {"frmStart", 1, dialog<frmStart>},
    {"frmHelp", 1, [](mdiHoofd& h) { MeldingTekst = "Een tekst van de helpknop."; return dialog<frmHelp>(h); }},
    {"frmZoek", 1, dialog<frmZoek>},
    {"frmStand", 1, item("mnuOverzichtenStand")},
    {"frmStand 8 punt", 1, item("mnuOverzichtenStand", [](QWidget* w) { click(w, "Option2_0"); })},
    {"frmStand 12 punt", 1, item("mnuOverzichtenStand", [](QWidget* w) { click(w, "Option2_1"); })},
    {"frmStand 16 punt", 1, item("mnuOverzichtenStand", [](QWidget* w) { click(w, "Option2_2"); })},
    {"frmStand 20 punt", 1, item("mnuOverzichtenStand", [](QWidget* w) { click(w, "Option2_3"); })},
    // Not vacuous: a name column narrowed after the window showed, the header and six names, and a holder's
    // label too narrow for any name, cut with the whole name in its tool tip.
    {"frmStand versmald", 1, item("mnuOverzichtenStand", [](QWidget* w) {
         w->window()->show();
         control<QTreeWidget>(w, "ListView1")->setColumnWidth(1, 20);
         control<QLabel>(w, "Label4")->setFixedWidth(20);
     }), 8},
    {"frmStandTussen", 1, [](mdiHoofd& h) { TussenstandPoule = 1; return dialog<frmStandTussen>(h); }},
    {"frmWinnars", 1, item("mnuOverzichtenWinnaars")},
    {"frmHTML", 1, [](mdiHoofd& h) -> QWidget* {
         return new frmHTML(static_cast<frmStand*>(item("mnuOverzichtenStand")(h))->StandLines(), &h);
     }},
    {"frmKleur", 1, dialog<frmKleur>},
    {"frmOpslaanHtml", 1, dialog<frmOpslaanHtml>},
    {"frmNieuweRonde", 2, dialog<frmNieuweRonde>},
    {"frmGaNaarRonde", 2, dialog<frmGaNaarRonde>},
    {"frmDoorkoppelen", 2, item("mnuRondebeheerKoppelen")},
    {"frmAutoKoppel", 2, item("mnuRondebeheerRandom", [](QWidget* w) {   // its result
         control<QLineEdit>(w, "Text1")->setText("4");
         control<QLineEdit>(w, "Text2")->setText("2");
         click(w, "Command2");
     })},
    {"frmMatrix", 1, item("mnuOverzichtenMatrix")},
    {"frmOvSpeler", 1, item("mnuOverzichtenSpeler", [](QWidget* w) {   // a player's games of all rounds
         click(w, "Option1_1");
         auto* spelers = control<QTreeWidget>(w, "ListView1");
         emit spelers->itemClicked(spelers->topLevelItem(0), 0);
     })},
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

    void everyTextWhole_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<bool>("lang");
        for (const Window& w : windows)
            for (bool lang : {false, true})
                QTest::addRow("%s %s", w.name, lang ? "lange namen" : "demo") << int(&w - windows) << lang;
    }
    // Each window over the demo tournament or the long names, in its round.
    void everyTextWhole()
    {
        QFETCH(int, window);
        QFETCH(bool, lang);
        RoundsEnv env;
        core::TournamentBuilder& b = env.builder();
        if (lang)
            buildLongNames(b);
        else
            b = core::demoTournament(env.tournament.folder());
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
        QApplication::processEvents();   // as the user sees it: layouts and scroll bars settled
        int checked = 0;
        const QStringList cuts = cutTexts(form, checked);
        QVERIFY2(cuts.size() == windows[window].cuts && checked > 0, qPrintable(cuts.join('\n')));
        // The program's icon, not the toolkit's logo: a child window's frame has it set.
        auto* frame = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        QVERIFY(frame ? frame->testAttribute(Qt::WA_SetWindowIcon) : form->window()->windowIcon().cacheKey()
                                                                       == QApplication::windowIcon().cacheKey());
    }
};

QTEST_MAIN(TestWindowsTextFit)
#include "test_windows_textfit.moc"
