#pragma once
// The sixteen-colour picker of the standings page export.

#include <QDialog>

class QLabel;
class QPushButton;

class frmKleur : public QDialog {
    Q_OBJECT
public:
    explicit frmKleur(QWidget* parent = nullptr);

    // A click on swatch i (1..16): stores its colour and code for the letters
    // (KleurKeuze 1) or the background (any other value) and closes.
    void Label1_Click(int i);
    QLabel* Label1(int i) const { return m_swatch[i]; }
    QPushButton* Command1() const { return m_close; }

private:
    QLabel* m_swatch[17] = {};
    QPushButton* m_close = nullptr;
};
