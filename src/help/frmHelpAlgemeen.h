#pragma once
// "Help algemeen": the help viewer over the help data file, with a contents
// tree, a keyword index, a word search and the print of the topic shown.

#include "core/helpfile.h"
#include <QIcon>
#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabBar;
class QTextEdit;
class QToolBar;
class QTreeWidget;

class frmHelpAlgemeen : public QWidget {
    Q_OBJECT
public:
    explicit frmHelpAlgemeen(QWidget* parent = nullptr);

    // The picture of the main toolbar key "But18".
    static QIcon HelpIcon();

    // Handlers.
    void Form_Load();
    void tv1_Click();
    void List1_Click();
    void List1_DblClick() {}
    void List2_DblClick() {}
    void TabStrip1_Click(int index);   // 1 "Inhoud", 2 "Index", 3 "Zoeken"
    void Toolbar1_ButtonClick(const QString& key);
    void Command1_Click();             // "Zoek ..."
    void Command3_Click();             // "?"
    void List2_Click();

    // Routines of the window.
    void BuildContentsTree();
    void HighlightWord(QTextEdit* box, const QString& word);
    void PrintTopic();
    void ShowTopic(qint64 nummer);

    // The words of the last search.
    const core::SearchWords& Zoekwoorden() const { return m_zoekwoorden; }

    QToolBar* Toolbar1() const { return m_toolbar; }
    QTabBar* TabStrip1() const { return m_tabs; }
    QTreeWidget* tv1() const { return m_tree; }
    QListWidget* List1() const { return m_index; }
    QFrame* Frame1() const { return m_frame; }
    QLineEdit* Text1() const { return m_zoekTekst; }
    QPushButton* Command1() const { return m_zoek; }
    QPushButton* Command3() const { return m_vraag; }
    QListWidget* List2() const { return m_hits; }
    QLabel* Label1() const { return m_hint; }
    QLabel* Label2() const { return m_titel; }
    QTextEdit* RichTextBox1() const { return m_tekst; }

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void clearTopic();
    void layoutControls();
    void fillIndex();

    QToolBar* m_toolbar = nullptr;
    QTabBar* m_tabs = nullptr;
    QFrame* m_tabBody = nullptr;
    QTreeWidget* m_tree = nullptr;
    QListWidget* m_index = nullptr;
    QFrame* m_frame = nullptr;
    QLineEdit* m_zoekTekst = nullptr;
    QPushButton* m_zoek = nullptr;
    QPushButton* m_vraag = nullptr;
    QListWidget* m_hits = nullptr;
    QLabel* m_hint = nullptr;
    QLabel* m_titel = nullptr;
    QTextEdit* m_tekst = nullptr;
    core::SearchWords m_zoekwoorden;
    bool m_placed = false;
};
