#include "frmOpslaanHtml.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/htmlpage.h"
#include "frmHTML.h"
#include "platform/inputfields.h"
#include "platform/msgbox.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QValidator>
#include <QVBoxLayout>

using namespace modStootplanner;

namespace {
// The name box takes A-Z, a-z, 0-9, space and "-" only: also no accented
// letters, which the general file-name filter lets through.
class PageNameValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override
    {
        QString kept;
        int keptPos = 0;
        for (int i = 0; i < input.size(); ++i) {
            const QChar c = input.at(i);
            const bool ok = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                            (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                            (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(' ') ||
                            c == QLatin1Char('-');
            if (!ok)
                continue;
            kept += c;
            if (i < pos)
                ++keptPos;
        }
        input = kept;
        pos = keptPos;
        return Acceptable;
    }
};

QString withSlash(QString p)
{
    if (!p.endsWith(QLatin1Char('/')))
        p += QLatin1Char('/');
    return p;
}
// The mounted root whose path holds `path` best (longest match).
int driveOf(const QComboBox* drives, const QString& path)
{
    int best = -1;
    qsizetype bestLen = -1;
    for (int i = 0; i < drives->count(); ++i) {
        const QString root = withSlash(drives->itemData(i).toString());
        if (withSlash(path).startsWith(root) && root.size() > bestLen) {
            best = i;
            bestLen = root.size();
        }
    }
    return best;
}
} // namespace

frmOpslaanHtml::frmOpslaanHtml(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOpslaanHtml"));
    setWindowTitle(QStringLiteral("HTML opslaan"));
    auto* top = new QVBoxLayout(this);
    auto* frame = new QGroupBox(QStringLiteral(" Stootplanner "), this);
    auto* g = new QGridLayout(frame);
    top->addWidget(frame);

    g->addWidget(new QLabel(QStringLiteral("Kies een station"), frame), 0, 0);
    m_drive = new QComboBox(frame);
    m_drive->setObjectName(QStringLiteral("Drive1"));
    g->addWidget(m_drive, 1, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Kies een map met dubbelclick"), frame), 2, 0);
    m_dirLabel = new QLabel(frame);
    m_dirLabel->setObjectName(QStringLiteral("Label4"));
    g->addWidget(m_dirLabel, 3, 0, 1, 2);
    m_dir = new QListWidget(frame);
    m_dir->setObjectName(QStringLiteral("Dir1"));
    m_dir->setMinimumSize(320, 200);
    g->addWidget(m_dir, 4, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Naam bestand"), frame), 5, 0);
    m_name = new QLineEdit(frame);
    m_name->setObjectName(QStringLiteral("Text1"));
    m_name->setMaxLength(25);
    m_name->setFont(QFont(QStringLiteral("Courier New"), 10));
    platform::setupInputField(m_name, platform::KeyFilter::FileName);
    m_name->setValidator(new PageNameValidator(m_name));
    auto* naamRij = new QHBoxLayout;
    naamRij->addWidget(m_name, 1);
    naamRij->addWidget(new QLabel(QStringLiteral(".html"), frame));
    g->addLayout(naamRij, 6, 0, 1, 2);

    auto* knoppen = new QHBoxLayout;
    m_save = new QPushButton(QStringLiteral("Opslaan"), this);
    m_save->setObjectName(QStringLiteral("Command1"));
    m_save->setToolTip(QStringLiteral("Opslaan in gekozen map"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Command2"));
    m_cancel->setToolTip(QStringLiteral("Niet opslaan"));
    m_help = new QPushButton(QStringLiteral("?"), this);
    m_help->setObjectName(QStringLiteral("Command3"));
    m_help->setFixedWidth(30);
    knoppen->addStretch(1);
    knoppen->addWidget(m_save);
    knoppen->addWidget(m_cancel);
    knoppen->addWidget(m_help);
    top->addLayout(knoppen);

    connect(m_save, &QPushButton::clicked, this, [this] { SaveHtmlPage(); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(m_drive, &QComboBox::activated, this, [this] { Drive1_Change(); });
    connect(m_dir, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* it) {
        setDir1Path(it->data(Qt::UserRole).toString());
    });
    Form_Load();
}

frmOpslaanHtml::~frmOpslaanHtml()
{
    removeScratch();
}

void frmOpslaanHtml::Form_Load()
{
    // The drives are the file-system roots the system reports: "/" and mounted media.
    m_drive->clear();
    QStringList roots;
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
        if (!s.isValid())
            continue;
        const QString root = s.rootPath();
        const QByteArray type = s.fileSystemType();
        const bool system = root.startsWith(QLatin1String("/proc")) || root.startsWith(QLatin1String("/sys")) ||
                            root.startsWith(QLatin1String("/dev")) || root.startsWith(QLatin1String("/run")) ||
                            type == "tmpfs" || type == "overlay";
        if (root != QLatin1String("/") && system)
            continue;
        if (!roots.contains(root))
            roots << root;
    }
    if (!roots.contains(QStringLiteral("/")))
        roots.prepend(QStringLiteral("/"));
    roots.sort();
    for (const QString& r : roots) {
        const QStorageInfo s(r);
        const QString name = s.displayName();
        m_drive->addItem(name.isEmpty() || name == r ? r : r + QStringLiteral("  [") + name + QLatin1Char(']'), r);
    }
    QString start = QDir::homePath();
    if (!ToernooiMap.isEmpty() && QDir(ToernooiMap).exists())
        start = ToernooiMap;
    setDir1Path(start);
}

void frmOpslaanHtml::Drive1_Change()
{
    const int idx = m_drive->currentIndex();
    if (idx < 0)
        return;
    const QString root = m_drive->itemData(idx).toString();
    for (;;) {
        QStorageInfo s(root);
        if (s.isValid() && s.isReady() && QDir(root).isReadable()) {
            setDir1Path(root);
            return;
        }
        const int a = platform::MsgBox(QStringLiteral("Plaats een diskette/CD-rom !!"),
                                       platform::vbRetryCancel | platform::vbExclamation, QStringLiteral("Let op"));
        if (a != platform::vbRetry) {
            m_drive->setCurrentIndex(m_driveIndex);
            return;
        }
    }
}

void frmOpslaanHtml::setDir1Path(const QString& path)
{
    QDir d(path);
    if (!d.exists())
        return;
    m_dirPath = QDir::cleanPath(d.absolutePath());
    fillDir();
    Dir1_Change();
}

void frmOpslaanHtml::fillDir()
{
    m_dir->clear();
    QDir d(m_dirPath);
    m_dirLabel->setText(m_dirPath);
    if (!d.isRoot()) {
        auto* up = new QListWidgetItem(QStringLiteral(".."), m_dir);
        up->setData(Qt::UserRole, QFileInfo(m_dirPath).absolutePath());
    }
    const QFileInfoList subs = d.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& fi : subs) {
        auto* it = new QListWidgetItem(fi.fileName(), m_dir);
        it->setData(Qt::UserRole, fi.absoluteFilePath());
    }
}

void frmOpslaanHtml::Dir1_Change()
{
    m_map = withSlash(m_dirPath);
    m_driveIndex = driveOf(m_drive, m_dirPath);
    if (m_driveIndex >= 0)
        m_drive->setCurrentIndex(m_driveIndex);
}

void frmOpslaanHtml::SaveHtmlPage()
{
    const QString naam = m_name->text();
    if (naam.trimmed().isEmpty()) {   // blanks alone name no file
        platform::MsgBox(QStringLiteral("U moet uw bestand een naam geven van maximaal 25 tekens!"),
                         platform::vbExclamation, QStringLiteral("Let op!"));
        m_name->setFocus();
        return;
    }
    const QString target = m_map + naam + QStringLiteral(".html");
    const QString scratch = frmHTML::ScratchPath();
    // The scratch page goes when this dialog closes: a page saved under its
    // name would go with it.
    const QFileInfo doel(target), hulp(scratch);
    if (doel.absoluteFilePath() == hulp.absoluteFilePath() || (doel.exists() && doel == hulp)) {
        platform::MsgBox(QStringLiteral("Onder deze naam bewaart het programma de HTML-code tijdelijk!\r\n"
                                        "Kies een andere naam of een andere map."),
                         platform::vbExclamation, QStringLiteral("Let op!"));
        m_name->setFocus();
        return;
    }
    bool replace = false;
    if (QFile::exists(target)) {
        MeldingAntwoord = qint16(platform::MsgBox(
            QStringLiteral("Dit bestand bestaat al!\r\nWilt u dit bestand overschrijven?"),
            platform::vbYesNo | platform::vbExclamation | platform::vbDefaultButton2, QStringLiteral("Let op!")));
        if (MeldingAntwoord == platform::vbNo)
            return;
        replace = true;
    }
    // Checked before the old file is replaced, so a missing page costs nothing.
    if (!QFile::exists(scratch)) {
        platform::MsgBox(QStringLiteral("Zojuist aangemaakt HTML-code niet gevonden!\r\n"
                                        "Maak opnieuw HTML-code aan van de stand!"),
                         platform::vbCritical, MeldingTitel);
        return;
    }
    QString why;
    if (!core::moveFile(scratch, target, replace, &why)) {
        platform::MsgBox(QStringLiteral("HTML-code kon niet worden opgeslagen!\r\n") + target +
                             QStringLiteral("\r\n") + why,
                         platform::vbCritical, MeldingTitel);
        return;
    }
    platform::MsgBox(QStringLiteral("HTML-code opgeslagen!"), platform::vbInformation, QStringLiteral("Gereed"));
    accept();
}

void frmOpslaanHtml::Command3_Click()
{
    MeldingTekst = QStringList{QStringLiteral("U kunt hier aangeven in welke map en onder welke naam u het bestand "
                                              "met de HTML-code wilt opslaan."),
                               QStringLiteral("De extensie \".html\" wordt automatisch toegevoegd."),
                               QStringLiteral("Let op: sommige tekens zijn uitgesloten in de bestandsnaam."),
                               QStringLiteral("Kies een map met dubbelclick en kies eventueel een ander station")}
                       .join(QStringLiteral("\r\n"));
    HelpGroot = false;
    ShowHelp();
}

void frmOpslaanHtml::removeScratch()
{
    const QString scratch = frmHTML::ScratchPath();
    if (QFile::exists(scratch))
        QFile::remove(scratch);
}

void frmOpslaanHtml::done(int r)
{
    removeScratch();
    QDialog::done(r);
}
