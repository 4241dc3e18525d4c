#pragma once
// The main window: child windows in an MDI area, the menus, the main toolbar
// with keyed buttons ("But02".."But18") and the status bar StatusBar1.
//
// Menu-group protocol
// -------------------
// A subsystem plugs its windows in by registering them; the main window then
// does all of the protocol: file checks before opening, checking the item,
// disabling the group's other items, pressing (or disabling) the group's
// keys, SetMenusBusy(group, true), toggling the window closed on a second
// choice, and undoing everything when the window is unloaded (closed or
// destroyed in whatever way).
//
// The main window knows no part of the program by name. Each folder offers
// its items in a function
//     void register<Folder>Menus(mdiHoofd& hoofd);
// declared in src/<folder>/menus.h, and the composition root
// (src/composition.cpp, composition::RegisterMenus) is the one place that
// calls them; main() hands it to StartUp. A test registers the whole program
// the same way, or only its own windows. So src/app/ includes nothing of the
// folders above it (the files the program ships are installed by the
// platform layer). Example (src/standings/menus.cpp):
//
//     void registerStandingsMenus(mdiHoofd& hoofd) {
//         hoofd.registerMenuWindow({
//             .item = "mnuOverzichtenStand", .caption = "Stand",
//             .group = 6, .key = "But09", .keyTip = "Stand",
//             .checks = FileToernooi | FileSpelers | FilePoules,
//             .open = [] { return new frmStand; },   // nullptr = do not open
//         });
//         hoofd.registerMenuWindow({
//             .item = "mnuOverzichtenWinnaars", .caption = "Lijstje poulewinnaars",
//             .group = 6,
//             .checks = FileToernooi | FileSpelers | FileUitslag | FilePoules,
//             .open = [] { return new frmWinnars; },
//         });
//     }
//     // a menu item that shows a modal dialog:
//     hoofd.registerMenuAction({
//         .item = "mnuRondebeheerNieuw", .caption = "Nieuwe ronde maken", .group = 4,
//         .checks = FileToernooi | FilePoules,
//         .run = [] { frmNieuweRonde d; d.exec(); },
//     });
//
// `open` runs after the checks passed and with the group already marked busy,
// so it may show a modal chooser first (the planning chooser) and return the
// child window it leads to, or nullptr to undo the marking; refusals with a
// message box also simply return nullptr. The returned widget is shown as a
// child window (WA_DeleteOnClose set); its own closeEvent is its unload
// handler and may ignore the event to stay open. Group 0 toggles the window
// without touching other items (clock, help viewer, notepad).
// Menu names: the top menus are "mnuBestand", "mnuPoulebeheer",
// "mnuRondebeheer", "mnuUitslagen", "mnuOverzichten", "mnuPlanning",
// "mnuDiversen", "mnuHelp"; the default top menu of an item follows from its
// group (1/2 Bestand, 3 Poulebeheer, 4 Rondebeheer, 5 Uitslagen,
// 6 Overzichten, 7 Planning) or from the item name's prefix.
// One tournament per run: items that create, open or restore one set
// .onlyWithoutTournament (and .needsTournament = false). An item registered
// under the name of a built-in one ("mnuBestandOpen") replaces its handler.
// A key without .keyIcon (or with one only drawn below 32 pixels) gets the
// picture that fits its item (keyicons.h), captioned under the picture.

#include "app/cLogo.h"
#include "platform/picturebox.h"

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QStatusBar>
#include <functional>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

// The status bar with numbered panels (1-based), as StatusBar1.Panels(n).
class StatusBarPanels : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBarPanels(int panelCount, QWidget* parent = nullptr);
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    int panelCount() const { return m_panels.size(); }

private:
    QList<QLabel*> m_panels;
};

class mdiHoofd : public QMainWindow {
    Q_OBJECT
public:
    // Every field has a default, so an initialiser names only the fields it sets.
    struct MenuWindow {
        QString item = {};              // objectName of the menu item
        QString caption = {};           // its text
        QString menu = {};              // top menu; empty = from group / item name
        int group = 0;                  // 1..7, or 0 for no group
        QString key = {};               // main toolbar key, or empty
        QString keyTip = {};            // tool tip of the key
        QIcon keyIcon = {};
        int checks = 0;                 // TournamentFile flags (closing form)
        std::function<QWidget*()> open = {};
        bool needsTournament = true;    // disabled while no tournament is loaded
        bool onlyWithoutTournament = false;  // disabled once one is loaded (new, open, restore)
    };
    struct MenuAction {
        QString item = {};
        QString caption = {};
        QString menu = {};
        int group = 0;
        QString key = {};
        QString keyTip = {};
        QIcon keyIcon = {};
        int checks = 0;
        std::function<void()> run = {};
        bool needsTournament = true;
        bool onlyWithoutTournament = false;
    };

    // A main window without items of its own beyond Bestand > Open and
    // Afsluiten; the parts of the program register theirs afterwards.
    explicit mdiHoofd(QWidget* parent = nullptr);
    ~mdiHoofd() override;

    // The one main window of the run, or nullptr.
    static mdiHoofd* instance();

    void registerMenuWindow(const MenuWindow& w);
    void registerMenuAction(const MenuAction& a);

    // Opens (or, when open, closes) the window of a registered item, as if the
    // user chose it from the menu (fromKey false) or the toolbar (true).
    void toggleMenuWindow(const QString& item, bool fromKey = false);
    // The open child window of a registered item, or nullptr.
    QWidget* menuWindow(const QString& item) const;
    // Shows a widget as a child window in the MDI area (not part of a group).
    QMdiSubWindow* showChild(QWidget* form);

    QMenu* topMenu(const QString& name) const;
    QAction* menuItem(const QString& name) const;
    QAction* toolbarKey(const QString& key) const;  // "But02".."But18"
    QToolBar* toolbar() const { return m_toolbar; }
    StatusBarPanels* StatusBar1() const { return m_statusBar; }
    QMdiArea* mdiArea() const { return m_mdi; }

    // The club logo (hidden Picture3): loaded at start-up when the file exists.
    QImage Picture3() const { return m_logo; }
    void loadClubLogo();
    // Caption = club name; logo shown when present.
    void refreshClubTitle();

    // SetMenusBusy on this window.
    void setMenusBusy(int groep, bool bezig);
    // Enables the tournament items (or not) after a tournament is (not) loaded.
    void refreshTournamentState();

    // Closes the main window whatever its child windows say, with the usual
    // shut-down (the closing form of the file checks).
    void endRun();

    // Set when the shut-down ran (the program ends).
    bool shutDownDone() const { return m_shutDown; }

    // Hook for the automatic backup at shut-down: called after
    // "Stootplanner.ini" is written, when a tournament is loaded and its
    // automatic-backup setting is on. Empty: no backup is made. The hook
    // checks the tournament's files itself: after the closing form of
    // CheckTournamentFiles ended the program they may be gone ("Toernooibestanden
    // niet gevonden !", "Automatische Backup wordt afgebroken.", no backup).
    static inline std::function<void()> autoBackup;

signals:
    void shutDown();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry;
    void buildMenus();
    void buildToolbar();
    QMenu* menuFor(const QString& menu, int group, const QString& item);
    QAction* itemFor(const QString& name, const QString& caption, QMenu* menu);
    QAction* keyFor(const QString& key, const QString& item, const QString& tip, const QIcon& icon);
    void activate(Entry& e, bool fromKey);
    void markOpen(Entry& e, bool open);
    void windowGone(const QString& item);
    void openTournamentDialog();
    void runShutDown();
    void updateEnabled();

    QMdiArea* m_mdi = nullptr;
    QToolBar* m_toolbar = nullptr;
    StatusBarPanels* m_statusBar = nullptr;
    platform::PictureBox* m_banner = nullptr;
    cLogo m_bannerLogo;
    QHash<QString, QMenu*> m_menus;
    QHash<QString, QAction*> m_items;
    QHash<QString, QAction*> m_keys;
    QList<Entry*> m_entries;
    QImage m_logo;
    QSet<QString> m_groupDisabled;  // items and keys disabled by an open window of their group
    QSet<QString> m_busyDisabled;   // top menus and keys disabled by SetMenusBusy
    bool m_shutDown = false;
    bool m_forceEnd = false;
};
