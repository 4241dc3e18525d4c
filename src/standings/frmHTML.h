#pragma once
// "Voorbeeld HTML-code": a sample of the standings page, the choice of the
// letter and background colours, and writing the page of the standings
// window's list.

#include "core/standview.h"
#include <QDialog>
#include <QList>
#include <functional>

class QLabel;
class QPushButton;

class frmHTML : public QDialog {
    Q_OBJECT
public:
    // `stand`: the standings window's list as it stood when its export key was
    // pressed, together with StandHtmlTitel; the carousel may move the list on meanwhile.
    explicit frmHTML(const QList<core::StandLine>& stand, QWidget* parent = nullptr);

    void Form_Load();
    void Command1_Click();   // "Letterkleur"
    void Command2_Click();   // "Achtergrondkleur"
    void WriteStandingsHtml();   // "Opslaan"
    void Command5_Click();   // "?"

    // Path of the scratch page in the program folder.
    static QString ScratchPath();

    QLabel* Label1(int i) const { return m_sample[i]; }
    QPushButton* Command1() const { return m_letter; }
    QPushButton* Command2() const { return m_back; }
    QPushButton* Command3() const { return m_save; }
    QPushButton* Command4() const { return m_cancel; }

    // Replaces the modal save dialog (tests): called instead of showing frmOpslaanHtml.
    static void setSaveDialogHook(std::function<void(QWidget*)> hook);

private:
    void applyColours(bool letters);
    QList<core::StandLine> m_rijen;
    QLabel* m_sample[73] = {};
    QPushButton* m_letter = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_help = nullptr;
};
