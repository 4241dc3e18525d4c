#include "mdiHoofd.h"

#include <iterator>

#include "app/keyicons.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/format.h"
#include "core/tournamentfiles.h"
#include "platform/msgbox.h"
#include "platform/picturebox.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSet>
#include <QToolBar>

using namespace modStootplanner;

namespace {

mdiHoofd* s_instance = nullptr;

// Top menu of each menu group.
const char* const kGroupMenu[8] = {nullptr, "mnuBestand", "mnuBestand", "mnuPoulebeheer", "mnuRondebeheer",
                                   "mnuUitslagen", "mnuOverzichten", "mnuPlanning"};

// Main toolbar keys that a busy group disables, besides the other groups' top
// menus. Only groups 4, 6 and 7 have a fixed list; the windows of groups 1, 2,
// 3 and 5 are none of these, so those groups disable the top menus only.
QStringList busyKeys(int groep)
{
    switch (groep) {
    case 4:
        return {"But04", "But08", "But09", "But10", "But12", "But14"};
    case 6:
        return {"But04", "But08", "But12", "But14"};
    case 7:
        return {"But04", "But08", "But09", "But10", "But12"};
    default:
        return {};
    }
}

struct TopMenu {
    const char* name;
    const char* caption;
};
const TopMenu kTopMenus[] = {
    {"mnuBestand", "&Bestand"},       {"mnuPoulebeheer", "&Poulebeheer"}, {"mnuRondebeheer", "&Rondebeheer"},
    {"mnuUitslagen", "&Uitslagen"},   {"mnuOverzichten", "&Overzichten"}, {"mnuPlanning", "Pla&nning"},
    {"mnuDiversen", "&Diversen"},     {"mnuHelp", "&Help"},
};

}  // namespace

// ------------------------------------------------------------ status bar

StatusBarPanels::StatusBarPanels(int panelCount, QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 1; i <= panelCount; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("StatusBar1_Panel%1").arg(i));
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setContentsMargins(4, 0, 4, 0);
        addPermanentWidget(l, i == 1 ? 3 : 1);
        m_panels.append(l);
    }
}

void StatusBarPanels::setPanelText(int panel, const QString& text)
{
    if (panel >= 1 && panel <= m_panels.size())
        m_panels[panel - 1]->setText(text);
}

QString StatusBarPanels::panelText(int panel) const
{
    return panel >= 1 && panel <= m_panels.size() ? m_panels[panel - 1]->text() : QString();
}

// --------------------------------------------------------------- entries

struct mdiHoofd::Entry {
    QString item;
    int group = 0;
    QString key;
    int checks = 0;
    bool needsTournament = true;
    bool onlyWithoutTournament = false;
    bool isWindow = false;
    std::function<QWidget*()> open;
    std::function<void()> run;
    QAction* action = nullptr;
    QAction* keyAction = nullptr;
    QPointer<QWidget> window;
    QPointer<QMdiSubWindow> sub;
    bool busy = false;  // group marking in force (window open, or being opened)
};

// ----------------------------------------------------------- main window

mdiHoofd::mdiHoofd(QWidget* parent) : QMainWindow(parent)
{
    s_instance = this;
    setObjectName(QStringLiteral("mdiHoofd"));
    setWindowTitle(ClubTitel);
    resize(1200, 820);

    auto* centre = new QWidget(this);
    auto* row = new QHBoxLayout(centre);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_banner = new platform::PictureBox(centre);
    m_banner->setObjectName(QStringLiteral("Picture1"));
    m_banner->setFixedWidth(34);
    QFont bannerFont = m_banner->font();
    bannerFont.setPixelSize(20);
    bannerFont.setBold(true);
    bannerFont.setItalic(true);
    m_banner->setFont(bannerFont);
    m_banner->installEventFilter(this);
    m_bannerLogo.setDrawingObject(m_banner);
    m_bannerLogo.setCaption(QStringLiteral("Stootplanner"));
    m_mdi = new QMdiArea(centre);
    m_mdi->setObjectName(QStringLiteral("MDIArea"));
    row->addWidget(m_banner);
    row->addWidget(m_mdi, 1);
    setCentralWidget(centre);
    m_mdi->viewport()->installEventFilter(this);

    buildMenus();
    buildToolbar();
    m_statusBar = new StatusBarPanels(4, this);
    setStatusBar(m_statusBar);
    m_statusBar->setPanelText(3, core::dateText(QDate::currentDate()));

    loadClubLogo();
    refreshClubTitle();
    refreshTournamentState();
}

mdiHoofd::~mdiHoofd()
{
    // Child windows die with us; their unload must not touch our actions any more.
    for (Entry* e : m_entries) {
        if (e->window)
            disconnect(e->window, nullptr, this, nullptr);
    }
    qDeleteAll(m_entries);
    m_entries.clear();
    if (s_instance == this)
        s_instance = nullptr;
}

mdiHoofd* mdiHoofd::instance() { return s_instance; }

void mdiHoofd::buildMenus()
{
    for (const TopMenu& t : kTopMenus) {
        QMenu* m = menuBar()->addMenu(QString::fromUtf8(t.caption));
        m->setObjectName(QString::fromLatin1(t.name));
        m->menuAction()->setObjectName(QString::fromLatin1(t.name));
        m_menus.insert(QString::fromLatin1(t.name), m);
    }
    QMenu* bestand = m_menus.value(QStringLiteral("mnuBestand"));
    QAction* open = bestand->addAction(QStringLiteral("Open toernooi"));
    open->setObjectName(QStringLiteral("mnuBestandOpen"));
    m_items.insert(open->objectName(), open);
    connect(open, &QAction::triggered, this, &mdiHoofd::openTournamentDialog);
    QAction* sep = bestand->addSeparator();
    sep->setObjectName(QStringLiteral("mnuBestandSep"));
    QAction* quit = bestand->addAction(QStringLiteral("Afsluiten"));
    quit->setObjectName(QStringLiteral("mnuBestandAfsluiten"));
    m_items.insert(quit->objectName(), quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

void mdiHoofd::buildToolbar()
{
    m_toolbar = addToolBar(QStringLiteral("Werkbalk"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->setIconSize(QSize(32, 32));
    // Every key exists from the start; a key shows once a window claims it.
    for (int i = 2; i <= 18; ++i) {
        const QString key = QStringLiteral("But%1").arg(i, 2, 10, QLatin1Char('0'));
        QAction* a = m_toolbar->addAction(key);
        a->setObjectName(key);
        a->setCheckable(true);
        a->setVisible(false);
        m_keys.insert(key, a);
    }
}

QMenu* mdiHoofd::topMenu(const QString& name) const { return m_menus.value(name); }
QAction* mdiHoofd::menuItem(const QString& name) const { return m_items.value(name); }
QAction* mdiHoofd::toolbarKey(const QString& key) const { return m_keys.value(key); }

QMenu* mdiHoofd::menuFor(const QString& menu, int group, const QString& item)
{
    if (!menu.isEmpty() && m_menus.contains(menu))
        return m_menus.value(menu);
    if (group >= 1 && group <= 7)
        return m_menus.value(QString::fromLatin1(kGroupMenu[group]));
    for (auto it = m_menus.cbegin(); it != m_menus.cend(); ++it)
        if (item.startsWith(it.key()))
            return it.value();
    return m_menus.value(QStringLiteral("mnuDiversen"));
}

namespace {
// The order of the items within their menus, whatever order the parts of the
// program register them in.
const char* const kItemOrder[] = {
    "mnuRondebeheerNieuw",   "mnuRondebeheerGanaar",   "mnuRondebeheerKoppelen", "mnuRondebeheerRandom",
    "mnuOverzichtenStand",   "mnuOverzichtenMatrix",   "mnuOverzichtenSpeler",   "mnuOverzichtenWinnaars",
    "mnuPlanningNieuw",      "mnuPlanningBestaand",
};

int itemRank(const QString& name)
{
    for (int i = 0; i < int(std::size(kItemOrder)); ++i)
        if (name == QLatin1String(kItemOrder[i]))
            return i;
    return -1;
}
} // namespace

QAction* mdiHoofd::itemFor(const QString& name, const QString& caption, QMenu* menu)
{
    QAction* a = m_items.value(name);
    if (!a) {
        a = new QAction(caption.isEmpty() ? name : caption, menu);
        a->setObjectName(name);
        // Items of the Bestand menu go above its closing separator and "Afsluiten".
        QAction* before = nullptr;
        if (menu->objectName() == QLatin1String("mnuBestand"))
            for (QAction* x : menu->actions())
                if (x->objectName() == QLatin1String("mnuBestandSep"))
                    before = x;
        if (const int rank = itemRank(name); rank >= 0) {
            for (QAction* x : menu->actions()) {
                if (itemRank(x->objectName()) > rank) {
                    before = x;
                    break;
                }
            }
        }
        menu->insertAction(before, a);
        m_items.insert(name, a);
    } else {
        // Claimed again (a built-in item taken over): only the new handler runs.
        disconnect(a, &QAction::triggered, this, nullptr);
        if (!caption.isEmpty())
            a->setText(caption);
    }
    a->setVisible(true);
    return a;
}

QAction* mdiHoofd::keyFor(const QString& key, const QString& item, const QString& tip, const QIcon& icon)
{
    if (key.isEmpty())
        return nullptr;
    QAction* a = m_keys.value(key);
    if (!a)
        return nullptr;
    a->setVisible(true);
    if (!tip.isEmpty()) {
        a->setText(tip);
        a->setToolTip(tip);
    }
    // A picture made for a small child-window toolbar would stand lower and
    // smaller than its neighbours here; the drawn one keeps the row even.
    int largest = 0;
    for (const QSize& s : icon.availableSizes())
        largest = qMax(largest, qMax(s.width(), s.height()));
    const bool fits = !icon.isNull() && (icon.availableSizes().isEmpty() || largest >= 32);
    a->setIcon(fits ? icon : keyicons::forItem(item, key));
    return a;
}

void mdiHoofd::registerMenuWindow(const MenuWindow& w)
{
    auto* e = new Entry;
    e->item = w.item;
    e->group = w.group;
    e->key = w.key;
    e->checks = w.checks;
    e->needsTournament = w.needsTournament;
    e->onlyWithoutTournament = w.onlyWithoutTournament;
    e->isWindow = true;
    e->open = w.open;
    e->action = itemFor(w.item, w.caption, menuFor(w.menu, w.group, w.item));
    e->action->setCheckable(true);
    e->keyAction = keyFor(w.key, w.item, w.keyTip.isEmpty() ? w.caption : w.keyTip, w.keyIcon);
    m_entries.append(e);
    const QString item = w.item;
    connect(e->action, &QAction::triggered, this, [this, item] { toggleMenuWindow(item, false); });
    if (e->keyAction)
        connect(e->keyAction, &QAction::triggered, this, [this, item] { toggleMenuWindow(item, true); });
    updateEnabled();
}

void mdiHoofd::registerMenuAction(const MenuAction& a)
{
    auto* e = new Entry;
    e->item = a.item;
    e->group = a.group;
    e->key = a.key;
    e->checks = a.checks;
    e->needsTournament = a.needsTournament;
    e->onlyWithoutTournament = a.onlyWithoutTournament;
    e->run = a.run;
    e->action = itemFor(a.item, a.caption, menuFor(a.menu, a.group, a.item));
    e->keyAction = keyFor(a.key, a.item, a.keyTip.isEmpty() ? a.caption : a.keyTip, a.keyIcon);
    if (e->keyAction)
        e->keyAction->setCheckable(false);
    m_entries.append(e);
    Entry* ep = e;
    connect(e->action, &QAction::triggered, this, [this, ep] { activate(*ep, false); });
    if (e->keyAction)
        connect(e->keyAction, &QAction::triggered, this, [this, ep] { activate(*ep, true); });
    updateEnabled();
}

void mdiHoofd::toggleMenuWindow(const QString& item, bool fromKey)
{
    for (Entry* e : m_entries)
        if (e->item == item) {
            activate(*e, fromKey);
            return;
        }
}

QWidget* mdiHoofd::menuWindow(const QString& item) const
{
    for (Entry* e : m_entries)
        if (e->item == item)
            return e->window;
    return nullptr;
}

QMdiSubWindow* mdiHoofd::showChild(QWidget* form)
{
    form->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = m_mdi->addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(form->windowTitle());
    // A frame inside the main window shows the toolkit's logo unless it is given the program's icon.
    sub->setWindowIcon(QApplication::windowIcon());
    // A window that closes itself takes its frame along. A frame that goes
    // first deletes the window from its destructor: by then it is no frame
    // any more, so the link is cut as soon as the frame starts to go.
    const auto closeFrame = connect(form, &QObject::destroyed, sub, [sub] { sub->close(); });
    connect(sub, &QObject::destroyed, form, [closeFrame] { disconnect(closeFrame); });
    sub->show();
    form->show();
    return sub;
}

void mdiHoofd::activate(Entry& e, bool fromKey)
{
    if (!e.isWindow) {
        if (!CheckTournamentFiles(e.checks, nullptr, fromKey && (e.checks & FilePlanning) ? CheckForm::PlanningKey
                                                                                          : CheckForm::Closing))
            return;
        if (e.run)
            e.run();
        return;
    }
    if (e.busy) {
        // Chosen again: the window closes and its unload undoes the marking.
        // The planning grid is only closed while its file is still there.
        if ((e.checks & FilePlanning)
            && !CheckTournamentFiles(FilePlanning, nullptr, fromKey ? CheckForm::PlanningKey : CheckForm::Closing)) {
            e.action->setChecked(true);
            if (e.keyAction)
                e.keyAction->setChecked(true);
            return;
        }
        e.action->setChecked(true);
        if (e.keyAction)
            e.keyAction->setChecked(true);
        if (e.sub)
            e.sub->close();
        else if (e.window)
            e.window->close();
        return;
    }
    e.action->setChecked(false);
    if (e.keyAction)
        e.keyAction->setChecked(false);
    if (!CheckTournamentFiles(e.checks, nullptr,
                              fromKey && (e.checks & FilePlanning) ? CheckForm::PlanningKey : CheckForm::Closing))
        return;
    markOpen(e, true);
    QWidget* w = e.open ? e.open() : nullptr;
    if (!w || m_shutDown) {
        if (w)
            w->deleteLater();
        markOpen(e, false);
        return;
    }
    e.window = w;
    const QString item = e.item;
    connect(w, &QObject::destroyed, this, [this, item] { windowGone(item); });
    e.sub = showChild(w);
}

void mdiHoofd::windowGone(const QString& item)
{
    for (Entry* e : m_entries)
        if (e->item == item && e->busy) {
            e->window = nullptr;
            markOpen(*e, false);
        }
}

void mdiHoofd::markOpen(Entry& e, bool open)
{
    e.busy = open;
    e.action->setChecked(open);
    if (e.keyAction)
        e.keyAction->setChecked(open);
    if (e.group != 0) {
        for (Entry* o : m_entries) {
            if (o == &e || o->group != e.group)
                continue;
            if (open)
                m_groupDisabled.insert(o->item);
            else
                m_groupDisabled.remove(o->item);
            // A window with its own key leaves that key pressed; one without disables them all.
            if (!o->key.isEmpty() && o->key != e.key) {
                if (open)
                    m_groupDisabled.insert(o->key);
                else
                    m_groupDisabled.remove(o->key);
            }
        }
        setMenusBusy(e.group, open);
    }
    updateEnabled();
}

void mdiHoofd::setMenusBusy(int groep, bool bezig)
{
    if (groep < 1 || groep > 7)
        return;
    QStringList targets = busyKeys(groep);
    const QString own = QString::fromLatin1(kGroupMenu[groep]);
    for (int g = 1; g <= 7; ++g) {
        const QString m = QString::fromLatin1(kGroupMenu[g]);
        if (m != own && !targets.contains(m))
            targets.append(m);
    }
    for (const QString& t : targets) {
        if (bezig)
            m_busyDisabled.insert(t);
        else
            m_busyDisabled.remove(t);
    }
    updateEnabled();
}

void mdiHoofd::updateEnabled()
{
    for (auto it = m_menus.cbegin(); it != m_menus.cend(); ++it) {
        QMenu* m = it.value();
        m->menuAction()->setEnabled(!m_busyDisabled.contains(it.key()));
        bool any = false;
        for (QAction* a : m->actions())
            any = any || (a->isVisible() && !a->isSeparator());
        m->menuAction()->setVisible(any);
    }
    QSet<QString> gatedKeys;
    for (Entry* e : m_entries) {
        const bool gated = !e->busy && ((e->needsTournament && !ToernooiGeladen)
                                         || (e->onlyWithoutTournament && ToernooiGeladen));
        e->action->setEnabled(!gated && !m_groupDisabled.contains(e->item));
        if (gated && !e->key.isEmpty())
            gatedKeys.insert(e->key);
    }
    for (auto it = m_keys.cbegin(); it != m_keys.cend(); ++it)
        it.value()->setEnabled(!gatedKeys.contains(it.key()) && !m_groupDisabled.contains(it.key())
                               && !m_busyDisabled.contains(it.key()));
    if (QAction* open = m_items.value(QStringLiteral("mnuBestandOpen")))
        open->setEnabled(!ToernooiGeladen);
}

void mdiHoofd::refreshTournamentState() { updateEnabled(); }

void mdiHoofd::loadClubLogo()
{
    const QString path = ProgrammaMap + core::LogoFileName;
    m_logo = platform::ReadPicture(path);
}

void mdiHoofd::refreshClubTitle()
{
    setWindowTitle(ClubTitel.trimmed());
    QPixmap bg(m_mdi->viewport()->size().expandedTo(QSize(1, 1)));
    bg.fill(QColor(0x80, 0x80, 0x80));
    if (!m_logo.isNull()) {
        QPainter p(&bg);
        const QSize room = bg.size() * 0.5;
        const QImage img = m_logo.scaled(room.boundedTo(m_logo.size() * 2), Qt::KeepAspectRatio,
                                         Qt::SmoothTransformation);
        p.drawImage((bg.width() - img.width()) / 2, (bg.height() - img.height()) / 2, img);
    }
    m_mdi->setBackground(bg);
}

bool mdiHoofd::eventFilter(QObject* watched, QEvent* event)
{
    // The logo stays centred in the empty area whatever its size.
    if (watched == m_mdi->viewport() && event->type() == QEvent::Resize)
        refreshClubTitle();
    if (watched == m_banner && event->type() == QEvent::Resize) {
        m_banner->Cls();
        m_bannerLogo.Draw(1);
    }
    return QMainWindow::eventFilter(watched, event);
}

void mdiHoofd::openTournamentDialog()
{
    if (ToernooiGeladen)
        return;
    const QString start = ToernooiMap.isEmpty() ? ProgrammaMap : ToernooiMap;
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open toernooi"), start,
                                                      QStringLiteral("Toernooibestanden (*.stt)"));
    if (path.isEmpty())
        return;
    OpenTournament(path);
}

void mdiHoofd::closeEvent(QCloseEvent* e)
{
    if (!m_shutDown) {
        m_mdi->closeAllSubWindows();
        // A child window that keeps itself open keeps the program running.
        if (!m_forceEnd && !m_mdi->subWindowList().isEmpty()) {
            e->ignore();
            return;
        }
        runShutDown();
    }
    e->accept();
}

void mdiHoofd::endRun()
{
    m_forceEnd = true;
    close();
    if (!m_shutDown)
        runShutDown();
}

void mdiHoofd::runShutDown()
{
    m_shutDown = true;
    if (ToernooiGeladen) {
        QString why;
        if (!core::writeIni(ProgrammaMap + core::IniFileName, {ToernooiMap, BestandToernooi}, &why))
            platform::MsgBox(QStringLiteral("Het laatst gebruikte toernooi kon niet worden opgeslagen in ")
                                 + core::IniFileName + QStringLiteral(" !\r\n") + why,
                             platform::vbExclamation, MeldingTitel);
        // The automatic backup of the loaded tournament belongs here (after the
        // settings file is written); it is not part of this program yet.
        if (autoBackup && core::isJa(Toernooi.automatischeBackup))
            autoBackup();
        UnlockTournament();
    }
    emit shutDown();
}
