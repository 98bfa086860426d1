#pragma once

// Gives the rest of the run a temporary folder of its own, on a file system
// held in memory where the system has one (the session's runtime folder, else
// the shared memory folder), else in the system's temporary folder: made for
// this user alone, named at random, pointed at by TMPDIR (read by Qt and by the
// engine alike), and removed with everything in it when the application object
// goes.
void useTempFolderInMemory();
