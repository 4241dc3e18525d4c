#include "printjob.h"

#include "app/modStootplanner.h"
#include "platform/msgbox.h"
#include "platform/printer.h"

#include <exception>

namespace print {

QString ErrorReportText(int number, const QString& description, const QString& source, const QString& formLabel)
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Error nummer: ") + QString::number(number) + crlf
        + QStringLiteral("Beschrijving: ") + description + crlf
        + QStringLiteral("In source: ") + source + crlf
        + QStringLiteral("In form : ") + formLabel + crlf
        + crlf
        + QStringLiteral("Meld deze fout a.u.b. aan de maker van Stootplanner.");
}

void HandlePrintError(const platform::PrintError& e, const QString& formLabel, OtherErrors others)
{
    using namespace platform;
    const QString& titel = modStootplanner::MeldingTitel;
    switch (e.number) {
    case errOutOfPaper:
        MsgBox(QStringLiteral("Vul papier bij !!"), vbExclamation, titel);
        return;
    case errDeviceFault:
        MsgBox(QStringLiteral("Apparaat fout. Staat printer aan ?"), vbExclamation, titel);
        return;
    case errDeviceUnavailable:
        MsgBox(QStringLiteral("Apparaat niet beschikbaar !!"), vbExclamation, titel);
        return;
    case errDialogCancel:
        return;
    default:
        break;
    }
    if (others == OtherErrors::Silent)
        return;
    modStootplanner::MeldingTekst = ErrorReportText(e.number, e.description, e.source, formLabel);
    MsgBox(modStootplanner::MeldingTekst, vbCritical, QStringLiteral("Error"));
}

bool RunPrint(const QString& formLabel, const std::function<void()>& body, OtherErrors others)
{
    platform::PrintError error;
    try {
        body();
        return true;
    } catch (const platform::PrintError& e) {
        error = e;
    } catch (const std::exception& e) {
        error = {51, QString::fromLocal8Bit(e.what()), QStringLiteral("Stootplanner")};
    }
    // The print-out is abandoned where it stood: nothing half-made reaches the printer.
    platform::printer().KillDoc();
    HandlePrintError(error, formLabel, others);
    return false;
}

}  // namespace print
