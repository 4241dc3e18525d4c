#pragma once
// Player search: lists the players of a chosen round whose name contains
// the typed text. Modal; reads the players file only and changes nothing
// in the caller's window.
//
//     frmZoek zoek(this);
//     zoek.exec();

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QLabel;

class frmZoek : public QDialog {
    Q_OBJECT
public:
    explicit frmZoek(QWidget* parent = nullptr);

    QComboBox* Combo1() const { return m_ronde; }      // the round
    QLineEdit* Text1() const { return m_naam; }        // part of the name
    QPushButton* Command1() const { return m_zoek; }   // "Zoeken"
    QPushButton* Command2() const { return m_sluit; }  // "Sluiten"
    QTreeWidget* ListView1() const { return m_lijst; }

    // Fills the list for the chosen round and text (also on Enter / "Zoeken").
    void Search();

private:
    QComboBox* m_ronde;
    QLineEdit* m_naam;
    QPushButton* m_zoek;
    QPushButton* m_sluit;
    QPushButton* m_help;
    QTreeWidget* m_lijst;
    QLabel* m_aantal;
};
