#pragma once
// The program's own folder: STOOTPLANNER_HOME when set, else
// "$XDG_DATA_HOME/Stootplanner" or "~/.local/share/Stootplanner".

#include <QString>

namespace platform {

// Resolves the folder, creates it when missing and returns it with a trailing "/".
QString programFolder();

// Copies a shipped file (a Qt resource such as ":/shipped/ringin.wav") into
// the program folder under fileName when it is not there yet. Returns true
// when the file is present afterwards, else false with the reason in `why`.
// An existing file is never replaced.
bool installShippedFile(const QString& resourcePath, const QString& fileName, QString* why = nullptr);

// Makes the files the program carries with it (":/shipped", ":/icons") readable.
void useShippedResources();

// Installs every file the program ships that is missing in the program
// folder: the help data file and the alarm sound. Called once at start-up.
void installShippedFiles();
// Why installShippedFiles could not put that file in place; empty when it did.
QString shippedFileFailure(const QString& fileName);

}  // namespace platform
