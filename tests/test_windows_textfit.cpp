// Every window shows its texts whole: buttons, labels, frame titles, list
// headers and cells are measured against the room they get, with the demo
// tournament and with a poule of long names.
#include "app/frmHelp.h"
#include "app/frmStart.h"
#include "core/planning.h"
#include "help/frmHelpAlgemeen.h"
#include "overviews/frmOvSpeler.h"
#include "planning/frmKiesPlanning.h"
#include "planning/frmPlanning.h"
#include "planning/frmPlanningStart.h"
#include "platform/appearance.h"
#include "poules/frmZoek.h"
#include "rounds/frmAutoKoppel.h"
#include "rounds/frmGaNaarRonde.h"
#include "rounds/frmNieuweRonde.h"
#include "standings/frmHTML.h"
#include "standings/frmKleur.h"
#include "standings/frmOpslaanHtml.h"
#include "standings/frmStand.h"
#include "standings/frmStand.h"
#include "standings/frmStandTussen.h"
#include "support/rounds_fixture.h"
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QStyleOptionGroupBox>
#include <QToolBar>
#include <QToolButton>

using namespace modStootplanner;
using namespace testsupport::roundsenv;

namespace {

int g_checked = 0;

// Notes a text that needs more room than it gets.
void check(QStringList& cuts, const QWidget* w, const QString& text, int need, int room)
{
    ++g_checked;
    if (need > room)
        cuts << QStringLiteral("%1 %2 (%3 > %4)")
                    .arg(w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName(), text)
                    .arg(need)
                    .arg(room);
}

// Header sections and cells of a list: each holds its text and lies inside the view.
void checkView(QAbstractItemView* v, QStringList& cuts)
{
    const QAbstractItemModel* m = v->model();
    auto* tree = qobject_cast<QTreeView*>(v);
    const QHeaderView* h = tree && !tree->isHeaderHidden() ? tree->header() : nullptr;
    const int viewW = v->viewport()->width();
    for (int c = 0; c < m->columnCount(); ++c) {
        if (h && (h->isSectionHidden(c) || h->sectionSize(c) <= 1))   // hidden, or practically so
            continue;
        if (h) {
            const QString t = m->headerData(c, Qt::Horizontal).toString();
            const int margin = h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
            check(cuts, v, "kop " + t, h->fontMetrics().horizontalAdvance(t) + 2 * margin,
                  qMin(h->sectionSize(c), viewW - h->sectionPosition(c)));
        }
        for (int r = 0; r < m->rowCount(); ++r) {
            const QModelIndex i = m->index(r, c);
            const QRect cell = v->visualRect(i);
            if (i.data().toString().trimmed().isEmpty() || cell.left() >= viewW || cell.right() < 0)
                continue;   // scrolled out of view by design (the planning grid)
            QStyleOptionViewItem o;
            o.initFrom(v);
            o.widget = v;
            o.font = v->font();
            const int icon = v->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, v);
            o.decorationSize = v->iconSize().isValid() ? v->iconSize() : QSize(icon, icon);
            const int right = qobject_cast<QListView*>(v) ? viewW : qMin(cell.right() + 1, viewW);
            check(cuts, v, "cel " + i.data().toString(), v->itemDelegateForIndex(i)->sizeHint(o, i).width(),
                  right - cell.left());
        }
    }
}

// What the window shows cut, as "control text (need > room)"; empty when every text is whole.
QStringList cutTexts(QWidget* form)
{
    QStringList cuts;
    if (form->layout())
        check(cuts, form, "venster", form->layout()->minimumSize().width(), form->width());
    QList<QWidget*> all = form->findChildren<QWidget*>();
    all.prepend(form);
    for (QWidget* w : all) {
        if (!w->isVisibleTo(form) || w->width() <= 0)
            continue;
        QStyle* st = w->style();
        const QFontMetrics fm = w->fontMetrics();
        if (auto* v = qobject_cast<QAbstractItemView*>(w)) {
            checkView(v, cuts);
        } else if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty() && l->pixmap().isNull()) {
            const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
            const QRect need = fm.boundingRect(QRect(0, 0, l->wordWrap() ? room.width() : 1 << 20, 1 << 20),
                                               Qt::TextExpandTabs | (l->wordWrap() ? Qt::TextWordWrap : 0), l->text());
            check(cuts, l, l->text(), need.width(), l->text().contains(QChar(0x2026)) ? 0 : room.width());
            if (l->wordWrap() || l->text().contains('\n'))
                check(cuts, l, l->text(), need.height(), room.height());
        } else if (auto* t = qobject_cast<QToolButton*>(w)) {
            if (t->toolButtonStyle() != Qt::ToolButtonIconOnly)
                check(cuts, t, t->text(), t->sizeHint().width(), t->width());
        } else if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty()) {
            QStyleOptionButton o;
            o.initFrom(b);
            o.text = b->text();
            const auto kind = qobject_cast<QCheckBox*>(b)      ? QStyle::SE_CheckBoxContents
                              : qobject_cast<QRadioButton*>(b) ? QStyle::SE_RadioButtonContents
                                                               : QStyle::SE_PushButtonContents;
            const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
            check(cuts, b, b->text(), fm.horizontalAdvance(QString(b->text()).remove('&')) + icon + 4,
                  st->subElementRect(kind, &o, b).width());
        } else if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().trimmed().isEmpty()) {
            QStyleOptionGroupBox o;
            o.initFrom(g);
            o.text = g->title();
            o.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect r = st->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g);
            check(cuts, g, g->title(), qMax(r.right() + 1, g->width() - r.left()), g->width());
        } else if (auto* tb = qobject_cast<QToolBar*>(w)) {
            const QWidget* more = tb->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button"));
            check(cuts, tb, "werkbalk", more && more->isVisible(), 0);
        }
    }
    return cuts;
}

// Poule 1 of round 1: players with the longest names and initials the records
// hold, big moyennes and runs; van der Heijden-Brou has the highest run.
void buildLongNames(core::TournamentBuilder& b)
{
    b.toernooi.naam = QStringLiteral("Open kampioenschap libre");
    b.toernooi.subtitel = QStringLiteral("Biljartvereniging De Witte Bal");
    b.toernooi.aantalDecimalen = 3;
    const char* namen[][2] = {{"van der Heijden-Brou", "J.P.M."}, {"Wijnbergen-Mastenbro", "A.H.W."},
                              {"Westerhuis-Wolterbee", "H.J.M.W"}, {"Molenbroek-Weggemans", "W."},
                              {"van Oosterwijk-Bruin", "M.C."},    {"de Vries-Timmermans", "P."}};
    for (int i = 0; i < 6; ++i)
        b.addPlayer(101 + i, QString::fromLatin1(namen[i][0]), QString::fromLatin1(namen[i][1]), 1, 1, fx(18.888 - i));
    for (int i = 0; i < 6; ++i)
        for (int j = i + 1; j < 6; ++j)
            b.addGame(1, 1, 101 + i, 340, 38, i == 0 ? 288 : 99, 101 + j, 333, 38, 188);
    b.setRound(1, 1);
    b.setRound(2, 1);
}

// A planning of four tables whose cells hold the longest list entries of the poule.
void writeLongPlanning()
{
    auto rec = core::newPlanning(1, 46000, 1, 4, 14, 2, 1);
    const QStringList entries = core::pouleListEntries(PadSpelers(), 1, 1);
    for (int t = 1; t <= 4; ++t)
        for (int s = 1; s <= 14; ++s)
            for (int k = 1; k <= 2; ++k)
                rec.setNaam(t, s, k, entries.value((t + s + k) % entries.size()));
    QVERIFY(core::appendPlanning(PadPlanning(), rec) == 1);
    GekozenPlanning = 1;
    GekozenPlanningDatum = QDate(2025, 12, 5);
    GekozenPlanningRonde = 1;
}

template <class Dialog>
QWidget* dialog(mdiHoofd& h)
{
    return new Dialog(&h);
}

// A child window opened from its menu item.
std::function<QWidget*(mdiHoofd&)> item(const char* name, std::function<void(QWidget*)> then = {})
{
    return [=](mdiHoofd& h) {
        h.toggleMenuWindow(QLatin1String(name));
        QWidget* w = h.menuWindow(QLatin1String(name));
        if (w && then)
            then(w);
        return w;
    };
}

struct Window {
    const char* name;
    qint16 ronde;
    std::function<QWidget*(mdiHoofd&)> open;
};

const Window windows[] = {
    {"mdiHoofd", 1, [](mdiHoofd& h) -> QWidget* { return &h; }},
    {"frmStart", 1, dialog<frmStart>},
    {"frmHelp", 1, [](mdiHoofd& h) -> QWidget* {
         MeldingTekst = QStringLiteral("Met de knop Clear kunt u in één keer de hele planning leegmaken.");
         return new frmHelp(&h);
     }},
    {"frmZoek", 1, dialog<frmZoek>},
    {"frmStand", 1, item("mnuOverzichtenStand")},
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
    {"frmAutoKoppel", 2, item("mnuRondebeheerRandom", [](QWidget* w) {
         auto* a = static_cast<frmAutoKoppel*>(w);
         a->Text1()->setText(QStringLiteral("4"));
         a->Text2()->setText(QStringLiteral("2"));
         a->Command2()->click();
     })},
    {"frmMatrix", 1, item("mnuOverzichtenMatrix")},
    {"frmOvSpeler", 1, item("mnuOverzichtenSpeler", [](QWidget* w) {
         auto* o = static_cast<frmOvSpeler*>(w);
         o->Option1(1)->click();
         o->ListView1_ItemClick(o->ListView1()->topLevelItem(0));
     })},
    {"frmPlanningStart", 1, dialog<frmPlanningStart>},
    {"frmKiesPlanning", 1, dialog<frmKiesPlanning>},
    {"frmPlanning", 1, [](mdiHoofd& h) -> QWidget* {
         auto* p = new frmPlanning;
         h.showChild(p);
         return p;
     }},
    {"frmHelpAlgemeen", 1, item("mnuHelpAlgemeen", [](QWidget* w) {
         auto* v = static_cast<frmHelpAlgemeen*>(w);
         v->TabStrip1_Click(2);
         v->List1()->setCurrentRow(0);
     })},
    {"frmKlok", 1, item("mnuDiversenKlok")},
};

} // namespace

class TestWindowsTextFit : public QObject {
    Q_OBJECT
    std::unique_ptr<RoundsEnv> m_env;

    // Opens the window of the row over the demo tournament or the long names.
    QWidget* open(const QString& window, bool lang)
    {
        m_env = std::make_unique<RoundsEnv>();
        core::TournamentBuilder& b = m_env->builder();
        if (lang) {
            buildLongNames(b);
        } else {
            b = core::demoTournament(m_env->tournament.folder());
            b.setRound(2, 1);
        }
        m_env->load();
        writeLongPlanning();
        for (const Window& w : windows)
            if (window == QLatin1String(w.name)) {
                HuidigeRonde = w.ronde;
                if (ReadPoule(HuidigeRonde))
                    AantalPoules = Poule.aantalPoules;
                QFile::copy(QStringLiteral(":/shipped/StootplannerHelp.hlp"), ProgrammaMap + "StootplannerHelp.hlp");
                QWidget* form = w.open(*m_env->hoofd);
                if (!form)
                    return nullptr;
                m_env->hoofd->show();
                form->show();
                QTest::qWait(0);
                return form;
            }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        platform::UseProgramFonts();
        platform::UseDutchTexts();
        Q_INIT_RESOURCE(shipped);
    }
    void cleanup() { m_env.reset(); }

    void everyTextWhole_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("lang");
        for (const Window& w : windows)
            for (bool lang : {false, true})
                QTest::addRow("%s %s", w.name, lang ? "lange namen" : "demo") << QString::fromLatin1(w.name) << lang;
    }
    void everyTextWhole()
    {
        QFETCH(QString, window);
        QFETCH(bool, lang);
        QWidget* form = open(window, lang);
        QVERIFY(form);
        g_checked = 0;
        const QStringList cuts = cutTexts(form);
        QVERIFY2(cuts.isEmpty(), qPrintable(cuts.join(QStringLiteral("\n"))));
        QVERIFY(g_checked > 0);
    }
    void standingsAtEveryZoom_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::newRow("8 punt") << 0;
        QTest::newRow("12 punt") << 1;
    }
    void standingsAtEveryZoom()
    {
        QFETCH(int, zoom);
        auto* w = static_cast<frmStand*>(open(QStringLiteral("frmStand"), true));
        w->findChild<QRadioButton*>(QStringLiteral("Option2_%1").arg(zoom))->click();
        const QStringList cuts = cutTexts(w);
        QVERIFY2(cuts.isEmpty(), qPrintable(cuts.join(QStringLiteral("\n"))));
    }
    void narrowedTextsAreCaught()
    {
        auto* w = static_cast<frmStand*>(open(QStringLiteral("frmStand"), true));
        w->ListView1()->setColumnWidth(1, 20);
        w->findChild<QLabel*>(QStringLiteral("Label4"))->setFixedWidth(60);
        const QStringList cuts = cutTexts(w);
        QVERIFY2(cuts.filter(QStringLiteral("ListView1 kop Naam")).size() == 1, qPrintable(cuts.join('\n')));
        QCOMPARE(cuts.filter(QStringLiteral("ListView1 cel")).size(), 6);
        QCOMPARE(cuts.filter(QStringLiteral("Label4 van der Heijden-Brou")).size(), 1);
    }
};

QTEST_MAIN(TestWindowsTextFit)
#include "test_windows_textfit.moc"
