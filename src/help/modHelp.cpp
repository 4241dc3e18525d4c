#include "modHelp.h"

#include "app/modStootplanner.h"
#include "platform/msgbox.h"
#include "platform/programfolder.h"
#include "print/printjob.h"

#include <QtGlobal>

namespace modHelp {

core::HelpRec HelpOnderwerp;

QString HelpBestand() { return modStootplanner::ProgrammaMap + QLatin1String(core::HelpFileName); }
QString AlarmGeluid() { return modStootplanner::ProgrammaMap + QStringLiteral("ringin.wav"); }

bool ReadHelpOnderwerp(qint64 k)
{
    const auto rec = core::readHelpRecord(HelpBestand(), k);
    if (!rec)
        return false;
    HelpOnderwerp = *rec;
    return true;
}

namespace {
bool checkWith(const QString& lastLine)
{
    if (modStootplanner::FileExists(HelpBestand()))
        return true;
    platform::MsgBox(QStringLiteral("Help-bestand van Stootplanner niet gevonden !\r\n") + lastLine,
                     platform::vbCritical, modStootplanner::MeldingTitel);
    return false;
}
}  // namespace

bool CheckHelpFile()
{
    return checkWith(QStringLiteral(
        "Plaats het bestand \"StootplannerHelp.hlp\" terug in de hoofddirectory van dit programma!"));
}

bool CheckHelpFileBeforeOpening()
{
    return checkWith(QStringLiteral("Plaats het bestand \"StootplannerHelp.hlp\" terug in de programmamap !"));
}

void ShowErrorReport(int number, const QString& description, const QString& source, const QString& formLabel)
{
    modStootplanner::MeldingTekst = print::ErrorReportText(number, description, source, formLabel);
    platform::MsgBox(modStootplanner::MeldingTekst, platform::vbCritical, QStringLiteral("Error"));
}

}  // namespace modHelp

// Resources of a static library are only linked in when initialised by name.
static void initShippedResources() { Q_INIT_RESOURCE(shipped); }

void modHelp::InstallShippedFiles()
{
    initShippedResources();
    platform::installShippedFile(QStringLiteral(":/shipped/StootplannerHelp.hlp"),
                                 QLatin1String(core::HelpFileName));
    platform::installShippedFile(QStringLiteral(":/shipped/ringin.wav"), QStringLiteral("ringin.wav"));
}
