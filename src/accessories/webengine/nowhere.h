#pragma once

#include <QString>

// A path that can hold no file, on every Unix system and for every user,
// root included: "/dev/null" is not a folder.
inline const QString Nowhere = QStringLiteral("/dev/null/nowhere");

// The engine puts a download's body into a file of its own as it arrives,
// before the program is asked whether it wants the download: in the
// environment's data folder, else in its temporary folder, both read when the
// download starts. Pointing both at Nowhere before the engine starts refuses
// every download at its first byte, and keeps the engine's other stray folders
// off the disk too. Nothing else in the program uses either folder.
void keepEngineFilesOffDisk();
