// Message boxes, input fields and the program folder of the platform layer.
#include "platform/inputfields.h"
#include "platform/msgbox.h"
#include "platform/programfolder.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QAbstractButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

using namespace platform;

class TestPlatformServices : public QObject {
    Q_OBJECT
private slots:
    void realBoxButtons_data();
    void realBoxButtons();
    void typingIsFiltered_data();
    void typingIsFiltered();
    void backspaceAlwaysWorks();
    void enterMovesToNextField();
    void pasteIsFiltered();
    void programFolderRule_data();
    void programFolderRule();
    void shippedFileInstalledOnce();
};

void TestPlatformServices::realBoxButtons_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("click");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("icon");
    QTest::newRow("ok") << vbOKOnly + vbExclamation << QStringList{"OK"} << "OK" << vbOK << int(QMessageBox::Warning);
    QTest::newRow("yes/no: no") << vbYesNo + vbQuestion << QStringList{"Ja", "Nee"} << "Nee" << vbNo
                                << int(QMessageBox::Question);
    QTest::newRow("yes/no: yes") << vbYesNo + vbInformation << QStringList{"Ja", "Nee"} << "Ja" << vbYes
                                 << int(QMessageBox::Information);
    QTest::newRow("yes/no/cancel") << vbYesNoCancel + vbCritical << QStringList{"Ja", "Nee", "Annuleren"}
                                   << "Annuleren" << vbCancel << int(QMessageBox::Critical);
    QTest::newRow("ok/cancel") << vbOKCancel << QStringList{"OK", "Annuleren"} << "OK" << vbOK
                               << int(QMessageBox::NoIcon);
}

void TestPlatformServices::realBoxButtons()
{
    QFETCH(int, flags);
    QFETCH(QStringList, texts);
    QFETCH(QString, click);
    QFETCH(int, answer);
    QFETCH(int, icon);
    QStringList seen;
    QString text, title;
    int seenIcon = -1;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        text = box->text();
        title = box->windowTitle();
        seenIcon = int(box->icon());
        QAbstractButton* target = nullptr;
        for (QAbstractButton* b : box->buttons()) {
            seen << b->text();
            if (b->text() == click)
                target = b;
        }
        if (target)
            target->click();
        else
            box->reject();
    });
    QCOMPARE(MsgBox("Regel 1\r\nRegel 2", flags, "Let op!"), answer);
    std::sort(seen.begin(), seen.end());
    std::sort(texts.begin(), texts.end());
    QCOMPARE(seen, texts);
    QCOMPARE(text, QString("Regel 1\nRegel 2"));
    QCOMPARE(title, QString("Let op!"));
    QCOMPARE(seenIcon, icon);
}

void TestPlatformServices::typingIsFiltered_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("whole number") << int(KeyFilter::WholeNumber) << "12a.3,-4 " << "1234";
    QTest::newRow("moyenne point") << int(KeyFilter::Moyenne) << "1.25" << "1.25";
    QTest::newRow("moyenne never comma") << int(KeyFilter::Moyenne) << "1,25x" << "125";
    QTest::newRow("name printable") << int(KeyFilter::Name) << "de Vries, J.\t" << "de Vries, J.";
    QTest::newRow("name accents") << int(KeyFilter::Name) << QString::fromUtf8("Hélène €") << QString::fromUtf8("Hélène €");
    QTest::newRow("name outside code page") << int(KeyFilter::Name) << QString::fromUtf8("Ω-a") << "-a";
    QTest::newRow("file name") << int(KeyFilter::FileName) << "Club 2024-a/b_c.d" << "Club 2024-abcd";
    QTest::newRow("file name plain letters only")
        << int(KeyFilter::FileName) << QString::fromUtf8("Hélène²ÆX") << "HlneX";
    QTest::newRow("any") << int(KeyFilter::Any) << "1,a" << "1,a";
}

void TestPlatformServices::typingIsFiltered()
{
    QFETCH(int, filter);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QWidget w;
    auto* field = new QLineEdit(&w);
    setupInputField(field, KeyFilter(filter));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    field->setFocus();
    for (QChar c : typed) {
        if (c == QLatin1Char('\t'))
            continue;  // the tab key moves on; not a typed character here
        // Sent as a key with its text: keyClicks only takes Latin-1.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
    QCOMPARE(field->text(), kept);
}

void TestPlatformServices::backspaceAlwaysWorks()
{
    QWidget w;
    auto* field = new QLineEdit(&w);
    setupInputField(field, KeyFilter::WholeNumber);
    field->setText("123");
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    field->setFocus();
    field->end(false);
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), QString("12"));
}

void TestPlatformServices::enterMovesToNextField()
{
    QWidget w;
    auto* layout = new QVBoxLayout(&w);
    auto* a = new QLineEdit(&w);
    auto* b = new QLineEdit(&w);
    layout->addWidget(a);
    layout->addWidget(b);
    setupInputField(a, KeyFilter::Name);
    setupInputField(b, KeyFilter::Name);
    b->setText("Jansen");
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    a->setFocus();
    QTRY_VERIFY(a->hasFocus());
    QSignalSpy enter(a, &QLineEdit::returnPressed);
    QTest::keyClick(a, Qt::Key_Return);
    QTRY_VERIFY(b->hasFocus());
    QCOMPARE(enter.count(), 1);
    // Entering a field selects all of its text.
    QTRY_COMPARE(b->selectedText(), QString("Jansen"));
}

void TestPlatformServices::pasteIsFiltered()
{
    QLineEdit field;
    setupInputField(&field, KeyFilter::Moyenne);
    field.insert("1,234a");
    QCOMPARE(field.text(), QString("1234"));
}

void TestPlatformServices::programFolderRule_data()
{
    QTest::addColumn<bool>("setHome");
    QTest::addColumn<bool>("setXdg");
    QTest::addColumn<QString>("expectedSub");
    QTest::newRow("STOOTPLANNER_HOME wins") << true << true << "home/";
    QTest::newRow("XDG_DATA_HOME") << false << true << "xdg/Stootplanner/";
    QTest::newRow("~/.local/share") << false << false << "fakehome/.local/share/Stootplanner/";
}

void TestPlatformServices::programFolderRule()
{
    QFETCH(bool, setHome);
    QFETCH(bool, setXdg);
    QFETCH(QString, expectedSub);
    QTemporaryDir dir;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldSp = qgetenv("STOOTPLANNER_HOME");
    const QByteArray oldXdg = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", (dir.path() + "/fakehome").toUtf8());
    if (setHome)
        qputenv("STOOTPLANNER_HOME", (dir.path() + "/home").toUtf8());
    else
        qunsetenv("STOOTPLANNER_HOME");
    if (setXdg)
        qputenv("XDG_DATA_HOME", (dir.path() + "/xdg").toUtf8());
    else
        qunsetenv("XDG_DATA_HOME");
    const QString folder = programFolder();
    qputenv("HOME", oldHome);
    oldSp.isNull() ? qunsetenv("STOOTPLANNER_HOME") : qputenv("STOOTPLANNER_HOME", oldSp);
    oldXdg.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", oldXdg);
    QCOMPARE(folder, dir.path() + "/" + expectedSub);
    QVERIFY(QFileInfo(folder).isDir());
}

void TestPlatformServices::shippedFileInstalledOnce()
{
    QTemporaryDir dir;
    const QByteArray old = qgetenv("STOOTPLANNER_HOME");
    qputenv("STOOTPLANNER_HOME", (dir.path() + "/prog").toUtf8());
    const QString source = dir.path() + "/bron.wav";
    {
        QFile f(source);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("RIFF1234");
    }
    QVERIFY(installShippedFile(source, "ringin.wav"));
    const QString target = dir.path() + "/prog/ringin.wav";
    QFile t(target);
    QVERIFY(t.open(QIODevice::ReadOnly));
    QCOMPARE(t.readAll(), QByteArray("RIFF1234"));
    t.close();
    // A file the user already has is kept.
    QVERIFY(t.open(QIODevice::WriteOnly | QIODevice::Truncate));
    t.write("eigen");
    t.close();
    QVERIFY(installShippedFile(source, "ringin.wav"));
    QVERIFY(t.open(QIODevice::ReadOnly));
    QCOMPARE(t.readAll(), QByteArray("eigen"));
    t.close();
    QVERIFY(!installShippedFile(dir.path() + "/bestaat-niet", "x.hlp"));
    QVERIFY(!QFile::exists(dir.path() + "/prog/x.hlp"));
    qputenv("STOOTPLANNER_HOME", old);
}

QTEST_MAIN(TestPlatformServices)
#include "test_platform_services.moc"
