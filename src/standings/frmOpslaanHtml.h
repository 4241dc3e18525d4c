#pragma once
// "HTML opslaan": the folder and name under which the scratch standings page
// is kept. Closing it in any way removes a scratch page that is still there.

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmOpslaanHtml : public QDialog {
    Q_OBJECT
public:
    explicit frmOpslaanHtml(QWidget* parent = nullptr);
    ~frmOpslaanHtml() override;

    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void SaveHtmlPage();     // "Opslaan"
    void Command3_Click();   // "?"

    // The chosen folder, with a trailing separator.
    QString Map() const { return m_map; }
    // Moves the folder list to a folder (as a double click does).
    void setDir1Path(const QString& path);
    QString Dir1Path() const { return m_dirPath; }

    QComboBox* Drive1() const { return m_drive; }
    QListWidget* Dir1() const { return m_dir; }
    QLineEdit* Text1() const { return m_name; }
    QPushButton* Command1() const { return m_save; }
    QPushButton* Command2() const { return m_cancel; }

    void done(int r) override;

private:
    void fillDir();
    void removeScratch();
    QString m_map;
    QString m_dirPath;
    int m_driveIndex = -1;
    QComboBox* m_drive = nullptr;
    QListWidget* m_dir = nullptr;
    QLabel* m_dirLabel = nullptr;
    QLineEdit* m_name = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_help = nullptr;
};
