#include "appearance.h"

#include "core/format.h"
#include "programfolder.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

void UseProgramFonts()
{
    const QString sans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitution(QStringLiteral("Arial"), sans);
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(8.25);
    QApplication::setFont(f);
}

void UseProgramIcon()
{
    useShippedResources();
    QIcon icon;
    for (const QString& png : QDir(QStringLiteral(":/icons")).entryList())
        icon.addFile(QStringLiteral(":/icons/") + png);
    QApplication::setWindowIcon(icon);
}

void UseDutchTexts()
{
    const QString dp = QLocale::system().decimalPoint();
    core::setDecimalSeparator(dp.isEmpty() ? QLatin1Char('.') : dp.at(0));
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    // Where Debian's translations are installed (qt6-translations-l10n).
    static QTranslator* qtDutch = nullptr;
    if (qtDutch)
        return;
    qtDutch = new QTranslator(qApp);
    if (qtDutch->load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtDutch);
}

}  // namespace platform
