// Message boxes, input fields and the program folder of the platform layer.
#include "platform/inputfields.h"
#include "platform/msgbox.h"
#include "platform/programfolder.h"
#include "support/shell_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>
#include <QtTest>

using namespace platform;
using testsupport::ScopedEnv;

class TestPlatformServices : public QObject {
    Q_OBJECT
private slots:
    void realBoxButtons_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("click");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("seen");  // "icon: buttons"
        QTest::newRow("ok") << vbOKOnly + vbExclamation << "OK" << vbOK << "2: OK";
        QTest::newRow("yes/no: no") << vbYesNo + vbQuestion << "Nee" << vbNo << "4: Ja Nee";
        QTest::newRow("yes/no: yes") << vbYesNo + vbInformation << "Ja" << vbYes << "1: Ja Nee";
        QTest::newRow("yes/no/cancel") << vbYesNoCancel + vbCritical << "Annuleren" << vbCancel << "3: Annuleren Ja Nee";
        QTest::newRow("ok/cancel") << vbOKCancel << "OK" << vbOK << "0: Annuleren OK";
    }
    void realBoxButtons()
    {
        QFETCH(int, flags);
        QFETCH(QString, click);
        QFETCH(int, answer);
        QFETCH(QString, seen);
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            QStringList buttons;
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            buttons.sort();
            shown = QStringLiteral("%1|%2|%3: %4").arg(box->windowTitle(), box->text()).arg(int(box->icon()))
                        .arg(buttons.join(' '));
            for (QAbstractButton* b : box->buttons())
                if (b->text() == click)
                    b->click();
        });
        QCOMPARE(MsgBox("Regel 1\r\nRegel 2", flags, "Let op!"), answer);
        QCOMPARE(shown, "Let op!|Regel 1\nRegel 2|" + seen);  // icon as QMessageBox::Icon
    }

    void typingIsFiltered_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("whole number") << int(KeyFilter::WholeNumber) << "12a.3,-4 " << "1234";
        QTest::newRow("moyenne point") << int(KeyFilter::Moyenne) << "1.25" << "1.25";
        QTest::newRow("moyenne never comma") << int(KeyFilter::Moyenne) << "1,25x" << "125";
        QTest::newRow("name printable") << int(KeyFilter::Name) << "de Vries, J.\t" << "de Vries, J.";
        QTest::newRow("name accents") << int(KeyFilter::Name) << QString::fromUtf8("Hélène €")
                                      << QString::fromUtf8("Hélène €");
        QTest::newRow("name outside code page") << int(KeyFilter::Name) << QString::fromUtf8("Ω-a") << "-a";
        QTest::newRow("file name") << int(KeyFilter::FileName) << "Club 2024-a/b_c.d" << "Club 2024-abcd";
        QTest::newRow("file name plain letters only")
            << int(KeyFilter::FileName) << QString::fromUtf8("Hélène²ÆX") << "HlneX";
        QTest::newRow("any") << int(KeyFilter::Any) << "1,a" << "1,a";
    }
    // Typed key by key, or pasted in one go: the same characters stay; backspace always works.
    void typingIsFiltered()
    {
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QLineEdit field;
        setupInputField(&field, KeyFilter(filter));
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        for (QChar c : typed) {
            if (c == QLatin1Char('\t'))
                continue;  // the tab key moves on; not a typed character here
            // Sent as a key with its text: keyClicks only takes Latin-1.
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&field, &press);
        }
        QCOMPARE(field.text(), kept);
        QTest::keyClick(&field, Qt::Key_Backspace);
        QCOMPARE(field.text(), kept.chopped(1));
        field.clear();
        field.insert(typed);
        QCOMPARE(field.text(), kept);
    }

    void enterMovesToNextField()
    {
        QWidget w;
        auto* layout = new QVBoxLayout(&w);
        auto* a = new QLineEdit(&w);
        auto* b = new QLineEdit("Jansen", &w);
        for (QLineEdit* f : {a, b}) {
            layout->addWidget(f);
            setupInputField(f, KeyFilter::Name);
        }
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

    void programFolderRule_data()
    {
        QTest::addColumn<bool>("setHome");
        QTest::addColumn<bool>("setXdg");
        QTest::addColumn<QString>("expectedSub");
        QTest::newRow("STOOTPLANNER_HOME wins") << true << true << "home/";
        QTest::newRow("XDG_DATA_HOME") << false << true << "xdg/Stootplanner/";
        QTest::newRow("~/.local/share") << false << false << "fakehome/.local/share/Stootplanner/";
    }
    void programFolderRule()
    {
        QFETCH(bool, setHome);
        QFETCH(bool, setXdg);
        QFETCH(QString, expectedSub);
        QTemporaryDir dir;
        const ScopedEnv home("HOME", dir.path() + "/fakehome");
        const ScopedEnv sp("STOOTPLANNER_HOME", setHome ? dir.path() + "/home" : QString());
        const ScopedEnv xdg("XDG_DATA_HOME", setXdg ? dir.path() + "/xdg" : QString());
        const QString folder = programFolder();
        QCOMPARE(folder, dir.path() + "/" + expectedSub);
        QVERIFY(QFileInfo(folder).isDir());
    }

    void shippedFileInstalledOnce()
    {
        QTemporaryDir dir;
        const ScopedEnv home("STOOTPLANNER_HOME", dir.path() + "/prog");
        auto write = [](const QString& path, const QByteArray& bytes) {
            QFile f(path);
            return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
        };
        auto read = [](const QString& path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QString source = dir.path() + "/bron.wav", target = dir.path() + "/prog/ringin.wav";
        QVERIFY(write(source, "RIFF1234"));
        QVERIFY(installShippedFile(source, "ringin.wav"));
        QCOMPARE(read(target), QByteArray("RIFF1234"));
        // A file the user already has is kept.
        QVERIFY(write(target, "eigen"));
        QVERIFY(installShippedFile(source, "ringin.wav"));
        QCOMPARE(read(target), QByteArray("eigen"));
        QVERIFY(!installShippedFile(dir.path() + "/bestaat-niet", "x.hlp"));
        QVERIFY(!QFile::exists(dir.path() + "/prog/x.hlp"));
    }
};

QTEST_MAIN(TestPlatformServices)
#include "test_platform_services.moc"
