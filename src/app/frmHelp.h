#pragma once
// The help pop-up: shows MeldingTekst, in a large layout when HelpGroot is
// yes, and closes with OK. Usually shown through modStootplanner::ShowHelp().

#include <QDialog>

class QLabel;
class QPushButton;

class frmHelp : public QDialog {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);
    QLabel* Label1() const { return m_text; }
    QPushButton* Command1() const { return m_ok; }
    bool isLarge() const { return m_large; }

private:
    QLabel* m_text;
    QPushButton* m_ok;
    bool m_large = false;
};
