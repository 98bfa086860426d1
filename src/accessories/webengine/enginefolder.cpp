#include "enginefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QString Prefix = QStringLiteral("thornax-windows-trainer-");

bool isHeldInMemory(const QString &folder)
{
    const QStorageInfo storage(folder);
    const QByteArray type = storage.fileSystemType();
    return storage.isReady() && !storage.isReadOnly() && (type == "tmpfs" || type == "ramfs");
}

// As Qt checks the runtime folder: a folder, not a link, this user's, and
// closed to everyone else. The shared memory folder is everyone's by design;
// only our folder in it is private.
bool isUsable(const QString &folder, bool mustBePrivate)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || info.isSymLink())
        return false;
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    if (mustBePrivate && (info.ownerId() != geteuid() || (info.permissions() & others)))
        return false;
    return isHeldInMemory(folder);
}

// Takes the lock of a folder of ours without waiting: the descriptor that holds it, or -1 when a
// run holds it. The run that made a folder holds its lock while it lasts, and the kernel lets it
// go with the process, so it tells a live run from one gone in every PID namespace that shares
// the place, where a process number would not.
int takeLock(const QString &folder)
{
    const int lock = ::open(QFile::encodeName(folder), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        ::close(lock);
        return -1;
    }
    return lock;
}

// Goes with the application object, and takes the folder with it.
class FolderKeeper : public QObject
{
public:
    explicit FolderKeeper(const QString &place)
        : QObject(QCoreApplication::instance()),
          m_folder(QDir(place).filePath(EngineFolder::folderPattern())),
          m_lock(m_folder.isValid() ? takeLock(m_folder.path()) : -1)
    {
    }
    ~FolderKeeper() override
    {
        if (m_lock >= 0)
            ::close(m_lock);
    }

    QString path() const { return m_lock >= 0 ? m_folder.path() : QString(); }

private:
    QTemporaryDir m_folder; // made for this user alone
    int m_lock; // -1 when another run's clean-up took it first: that one removes the folder
};

bool refusing = false;

} // namespace

QStringList EngineFolder::defaultPlaces()
{
    return {qEnvironmentVariable("XDG_RUNTIME_DIR"), QStringLiteral("/dev/shm")};
}

QString EngineFolder::memoryPlace(const QStringList &places)
{
    for (qsizetype i = 0; i < places.size(); ++i) {
        // Only the first, the session's own, has to be private.
        if (isUsable(places[i], i == 0))
            return places[i];
    }
    return QString();
}

void EngineFolder::removeLeftovers(const QString &place, uint user)
{
    static const QRegularExpression ours('^' + Prefix + "\\d+-\\w{6}$");
    const QFileInfoList folders =
        QDir(place).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &folder : folders) {
        // Asked of a link, the owner is that of the folder it points at.
        if (!ours.match(folder.fileName()).hasMatch() || folder.isSymLink() ||
            folder.ownerId() != user)
            continue;
        if (const int lock = takeLock(folder.filePath()); lock >= 0) {
            QDir(folder.filePath()).removeRecursively();
            ::close(lock);
        }
    }
}

QString EngineFolder::folderPattern()
{
    return Prefix + QString::number(QCoreApplication::applicationPid()) + "-XXXXXX";
}

QString EngineFolder::settle(const QStringList &places)
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(Nowhere));
    // A run before this one may have had any of the places.
    for (const QString &place : places) {
        if (!place.isEmpty())
            removeLeftovers(place, geteuid());
    }
    const QString place = memoryPlace(places);
    QString folder;
    if (!place.isEmpty())
        folder = (new FolderKeeper(place))->path();
    if (folder.isEmpty())
        qWarning("No folder held in memory: the browser refuses drags and downloads, "
                 "so that nothing is written to the disk.");
    qputenv("TMPDIR", QFile::encodeName(folder.isEmpty() ? Refused : folder));
    return folder;
}

void EngineFolder::refuseUntilEventsRun()
{
    if (std::exchange(refusing, true))
        return;
    const QByteArray folder = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(Refused));
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [folder] {
            qputenv("TMPDIR", folder);
            refusing = false;
        },
        Qt::QueuedConnection);
}
