#pragma once

#include <QString>

// A path that can hold no file, on every Unix system and for every user,
// root included: "/dev/null" is not a folder.
inline const QString Nowhere = QStringLiteral("/dev/null/nowhere");

// The engine puts a download's body into a file of its own as it arrives,
// before the program is asked whether it wants the download: in the
// environment's data folder, else in the temporary folder, both read when the
// download starts. The data folder points at Nowhere (nothing else in the
// program uses it); the temporary folder, which Qt and the program need for the
// rest of the run, is the program's own, held in memory (see
// useTempFolderInMemory). What arrives before the program cancels a download
// stays in memory, and goes with the cancelled download.
void keepEngineFilesOffDisk();
