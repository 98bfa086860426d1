#pragma once

#include <QString>
#include <QStringList>

// The one place that decides where the engine may write, for the whole run.
//
// The engine writes a download's first bytes and a dragged image to files of
// its own, in the temporary folder (TMPDIR, read by Qt and the engine alike)
// or the data folder. The data folder points at Nowhere. The temporary folder
// is a folder of this run's own, private to the user (mode 0700), in the first
// place that is held in memory: the session's runtime folder when it belongs
// to the user and is private, else the shared memory folder. The run holds a
// lock on it while it lasts; the folder goes with the application object,
// and one left by a run that was killed is removed, in whichever of the
// places it is, at the next start. Where no such place exists, this is said
// once on stderr and TMPDIR points at Refused, so that whatever needs a file of
// its own (a drag, a download) is refused rather than written to the disk.
class EngineFolder
{
public:
    // A path that can hold no file, for every user, root included.
    static inline const QString Nowhere = QStringLiteral("/dev/null/nowhere");
    // An existing path that is not a folder: a temporary file or folder made
    // in it fails, where one made in a path that does not exist could end up
    // in the root folder.
    static inline const QString Refused = QStringLiteral("/dev/null");

    // Where a folder of ours may go, best first.
    static QStringList defaultPlaces();
    // The first of the places held in memory and private enough; empty if none.
    static QString memoryPlace(const QStringList &places);
    // Removes, in the place, the folders of runs that are gone: only those
    // whose name is ours, that belong to the user (a user id) and are not
    // links, and whose lock no run holds.
    static void removeLeftovers(const QString &place, uint user);
    // This run's folder name: the program, the process, and a random part.
    static QString folderPattern();

    // Settles the engine's folders for the rest of the run, after removing
    // what runs gone left in any of the places; the folder made, or empty
    // when writing is refused.
    static QString settle(const QStringList &places = defaultPlaces());
    // Nothing can be written from now until the events already waiting have
    // run: for the engine, which writes a dragged image the moment it makes
    // the drag, before the program can refuse the drag itself. It changes
    // TMPDIR for the whole process, so it is called only as a drag starts
    // (see DragRefuser), on the thread the engine makes its drags on. Engine
    // threads that read TMPDIR meanwhile are safe with glibc, whose setenv
    // never frees a value it replaces: they read the old value or the new
    // one, and a file they make meanwhile is refused as the drag's is.
    static void refuseUntilEventsRun();
};
