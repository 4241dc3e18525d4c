#pragma once
// The start dialog: names the last used tournament (from "Stootplanner.ini")
// and opens it at the user's choice.
//
// DialoogResultaat after exec(): 1 = the tournament was opened, 0 = the user
// goes on without one, 2 = opening failed (reason shown, status bar set).

#include <QDialog>

class QLabel;
class QPushButton;

class frmStart : public QDialog {
    Q_OBJECT
public:
    explicit frmStart(QWidget* parent = nullptr);

    QLabel* Label1() const { return m_last; }
    QPushButton* Command1() const { return m_open; }   // "Open dit toernooi"
    QPushButton* Command2() const { return m_none; }   // "Zonder toernooi verder"
    QString lastTournament() const { return m_path; }  // full path, empty when none

private:
    void openLast();
    QLabel* m_last;
    QPushButton* m_open;
    QPushButton* m_none;
    QString m_path;
};
