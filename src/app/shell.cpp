#include "shell.h"

#include "app/frmHelp.h"
#include "app/frmStart.h"
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "core/format.h"
#include "core/filechanges.h"
#include "core/recordfile.h"
#include "core/tournamentfiles.h"
#include "platform/inputfields.h"
#include "platform/msgbox.h"
#include "platform/programfolder.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>

namespace modStootplanner {

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString RestoreLine = QStringLiteral("of het bestand is beschadigd (gebruik dan Restore).");

QString pathOf(TournamentFile f)
{
    switch (f) {
    case FileToernooi: return PadToernooi();
    case FileSpelers: return PadSpelers();
    case FileUitslag: return PadUitslag();
    case FilePoules: return PadPoules();
    case FilePlanning: return PadPlanning();
    }
    return QString();
}

}  // namespace

QString MissingFileMessage(TournamentFile file, CheckForm form)
{
    QStringList lines;
    switch (file) {
    case FileToernooi:
        lines << QStringLiteral("Toernooibestand niet gevonden !")
              << QStringLiteral("Plaats het bestand ") + BestandToernooi.trimmed() + QStringLiteral(" terug in de juiste map,")
              << RestoreLine;
        break;
    case FileSpelers:
        lines << QStringLiteral("Spelersbestand niet gevonden !")
              << QStringLiteral("U heeft nog geen spelers aan het toernooi gekoppeld,") << RestoreLine;
        break;
    case FileUitslag:
        lines << QStringLiteral("Uitslagenbestand niet gevonden !")
              << QStringLiteral("U heeft nog geen uitslagen ingevoerd,") << RestoreLine;
        break;
    case FilePoules:
        lines << QStringLiteral("Poulebestand niet gevonden !") << RestoreLine;
        break;
    case FilePlanning:
        lines << QStringLiteral("Planningbestand niet gevonden !");
        if (form == CheckForm::PlanningKey)
            lines << QStringLiteral("U heeft nog geen planningen gemaakt,");
        lines << RestoreLine;
        break;
    }
    if (file == FileToernooi || file == FilePoules)
        lines << (form == CheckForm::PouleChooser ? QStringLiteral("Sluit het geladen toernooi af !")
                                                  : QStringLiteral("Het geladen toernooi wordt gesloten !"));
    return lines.join(CrLf);
}

bool CheckTournamentFiles(int files, QWidget* caller, CheckForm form)
{
    static const TournamentFile order[] = {FileToernooi, FileSpelers, FileUitslag, FilePoules, FilePlanning};
    for (TournamentFile f : order) {
        if (!(files & f) || FileExists(pathOf(f)))
            continue;
        platform::MsgBox(MissingFileMessage(f, form), platform::vbCritical, MeldingTitel);
        if ((f == FileToernooi || f == FilePoules) && form != CheckForm::PouleChooser)
            CloseTournamentAndEnd(caller);
        return false;
    }
    return true;
}

void CloseTournamentAndEnd(QWidget* caller)
{
    if (caller)
        caller->close();
    if (mdiHoofd* hoofd = mdiHoofd::instance())
        hoofd->endRun();
    // A modal window still open elsewhere must not keep the program alive.
    QCoreApplication::quit();
}

void SetMenusBusy(int groep, bool bezig)
{
    if (mdiHoofd* hoofd = mdiHoofd::instance())
        hoofd->setMenusBusy(groep, bezig);
}

void ShowCurrentRound()
{
    if (mdiHoofd* hoofd = mdiHoofd::instance())
        hoofd->StatusBar1()->setPanelText(4, QStringLiteral("U bent in toernooironde: ") + core::signedNum(HuidigeRonde));
}

void ShowTournamentLoaded()
{
    mdiHoofd* hoofd = mdiHoofd::instance();
    if (!hoofd)
        return;
    hoofd->StatusBar1()->setPanelText(1, Toernooi.naam.trimmed());
    hoofd->StatusBar1()->setPanelText(2, Toernooi.subtitel.trimmed());
    ShowCurrentRound();
    hoofd->refreshTournamentState();
}

void SelectAllText(QLineEdit* field) { platform::SelectAllText(field); }

void ShowHelp()
{
    QWidget* parent = QApplication::activeWindow();
    if (!parent)
        parent = mdiHoofd::instance();
    frmHelp dlg(parent);
    dlg.exec();
}

bool OpenTournament(const QString& settingsPath, bool meldFouten)
{
    const QFileInfo fi(settingsPath);
    const QString map = core::withTrailingSeparator(fi.absolutePath());
    const QString naam = fi.fileName();
    auto meld = [&](const QString& tekst, int flags, const QString& titel) {
        if (meldFouten)
            platform::MsgBox(tekst, flags, titel);
        return false;
    };
    if (ToernooiGeladen)
        return false;
    if (!fi.isFile())
        return meld(QStringLiteral("Toernooibestand niet gevonden !") + CrLf + QStringLiteral("Plaats het bestand ")
                        + naam + QStringLiteral(" terug in de juiste map,") + CrLf + RestoreLine,
                    platform::vbCritical, MeldingTitel);
    const auto gelezen = core::readToernooi(settingsPath);
    if (!gelezen || !gelezen->hasSignature() || core::tournamentNumberFromFileName(naam) < 0)
        return meld(QStringLiteral("Het bestand ") + naam + QStringLiteral(" is geen toernooibestand van Stootplanner !"),
                    platform::vbCritical, QStringLiteral("Fout !"));

    SetTournamentFiles(map, naam);
    // From here on a refusal leaves no half-set context and no lock behind.
    auto weiger = [&](const QString& tekst) {
        ResetContext();
        return meld(tekst, platform::vbCritical, MeldingTitel);
    };
    QString slotInfo;
    const QString slot = QFileInfo(PadSlot()).fileName();
    const TournamentLock lock = LockTournament(&slotInfo);
    switch (lock) {
    case TournamentLock::InUse:
        return weiger(QStringLiteral("Dit toernooi is al geopend in een ander exemplaar van Stootplanner !") + CrLf
                      + QStringLiteral("Sluit het toernooi daar eerst af.")
                      + (slotInfo.isEmpty() ? QString()
                                            : CrLf + QStringLiteral("Het toernooi is geopend op computer ") + slotInfo
                                                  + QStringLiteral(".")));
    case TournamentLock::Unreadable:  // another user's lock may well be held
        return weiger(QStringLiteral("Het bestand ") + slot
                      + QStringLiteral(" in de toernooimap kan niet worden gelezen !") + CrLf
                      + QStringLiteral("Het toernooi kan al geopend zijn in een ander exemplaar van Stootplanner en "
                                       "wordt daarom niet geopend.")
                      + CrLf
                      + QStringLiteral("Sluit het daar eerst af. Is het nergens geopend, laat dan de eigenaar van het "
                                       "bestand het verwijderen.")
                      + CrLf + slotInfo);
    case TournamentLock::FolderInPlace:
        return weiger(QStringLiteral("In de toernooimap staat een map ") + slot
                      + QStringLiteral(" die niet leeg is !") + CrLf
                      + QStringLiteral("Op die plaats hoort het bestand dat een tweede exemplaar van Stootplanner "
                                       "buiten het toernooi houdt; zonder dat bestand wordt het toernooi niet geopend.")
                      + CrLf + QStringLiteral("Verplaats of verwijder de map ") + slot + QStringLiteral(" eerst."));
    case TournamentLock::Failed:  // without the lock two copies could write it at once
    case TournamentLock::FolderNotWritable:
        return weiger(QStringLiteral("Het bestand ") + slot
                      + QStringLiteral(" kon niet worden aangemaakt in de toernooimap !") + CrLf
                      + QStringLiteral("Zonder dit bestand wordt het toernooi niet geopend.")
                      + (lock == TournamentLock::Failed
                             ? QString()
                             : CrLf
                                   + QStringLiteral("De toernooimap moet beschrijfbaar zijn, want de "
                                                    "toernooibestanden zijn dat ook."))
                      + (slotInfo.isEmpty() ? QString() : CrLf + slotInfo));
    case TournamentLock::Held:
    case TournamentLock::NotPossible:   // nothing here can be changed: no second writer either
        break;
    }
    QString why;
    if (!core::undoUnfinishedChanges(PadHerstel(), &why))
        return weiger(why);
    if (!why.isEmpty())   // a journal set aside: the files stay as they were found
        meld(why, platform::vbExclamation, MeldingTitel);
    // Read again: undoing an interrupted change may have put the settings back.
    const auto rec = core::readToernooi(settingsPath);
    const qint16 ronde = rec ? rec->laatsteRonde : 0;
    if (ronde < 1)
        return weiger(QStringLiteral("Het toernooibestand ") + naam + QStringLiteral(" is beschadigd !") + CrLf
                      + QStringLiteral("Het aantal rondes is ") + core::signedNum(ronde)
                      + QStringLiteral(", dat moet minstens 1 zijn.") + CrLf
                      + QStringLiteral("Zet het toernooi terug met Restore."));
    const auto poule = core::RecordFile<PouleRec>::read(PadPoules(), ronde);
    if (!poule)
        return weiger(FileExists(PadPoules())
                          ? QStringLiteral("Het poulebestand bevat geen gegevens voor ronde ") + core::signedNum(ronde)
                                + QStringLiteral(" !") + CrLf
                                + QStringLiteral("Het bestand is beschadigd (gebruik dan Restore).")
                          : QStringLiteral("Poulebestand niet gevonden !") + CrLf + RestoreLine);
    Toernooi = *rec;
    HuidigeRonde = ronde;
    Poule = *poule;
    AantalPoules = poule->aantalPoules;
    ToernooiGeladen = true;
    ShowTournamentLoaded();
    return true;
}

mdiHoofd* StartUp(const std::function<void(mdiHoofd&)>& registerMenus)
{
    ProgrammaMap = platform::programFolder();
    // The help data file and the alarm sound ship inside the program.
    platform::installShippedFiles();
    MeldingTitel = QStringLiteral("Let op!");
    HuidigeRonde = 1;
    QString why;
    Clubnaam = core::readOrCreateClubnaam(ProgrammaMap + core::ClubnaamFileName, &why);
    if (!why.isEmpty())
        platform::MsgBox(QStringLiteral("Het bestand ") + core::ClubnaamFileName
                             + QStringLiteral(" kon niet worden aangemaakt in de programmamap !") + CrLf + why,
                         platform::vbExclamation, MeldingTitel);
    ClubTitel = Clubnaam;

    auto* hoofd = new mdiHoofd;
    if (registerMenus)
        registerMenus(*hoofd);
    hoofd->showMaximized();
    frmStart start(hoofd);
    start.exec();
    return hoofd;
}

}  // namespace modStootplanner
