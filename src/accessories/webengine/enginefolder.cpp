#include "enginefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <utility>

#include <cerrno>
#include <csignal>
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

bool processIsGone(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

// Goes with the application object, and takes the folder with it.
class FolderKeeper : public QObject
{
public:
    explicit FolderKeeper(const QString &place)
        : QObject(QCoreApplication::instance()),
          m_folder(QDir(place).filePath(EngineFolder::folderPattern()))
    {
    }

    QString path() const { return m_folder.isValid() ? m_folder.path() : QString(); }

private:
    QTemporaryDir m_folder; // made for this user alone
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

void EngineFolder::removeLeftovers(const QString &place)
{
    static const QRegularExpression ours('^' + Prefix + "(\\d+)-\\w{6}$");
    const QFileInfoList folders =
        QDir(place).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &folder : folders) {
        const QRegularExpressionMatch name = ours.match(folder.fileName());
        if (name.hasMatch() && !folder.isSymLink() && folder.ownerId() == geteuid() &&
            processIsGone(name.captured(1).toLongLong()))
            QDir(folder.filePath()).removeRecursively();
    }
}

QString EngineFolder::folderPattern()
{
    return Prefix + QString::number(QCoreApplication::applicationPid()) + "-XXXXXX";
}

QString EngineFolder::settle(const QStringList &places)
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(Nowhere));
    const QString place = memoryPlace(places);
    QString folder;
    if (!place.isEmpty()) {
        removeLeftovers(place);
        folder = (new FolderKeeper(place))->path();
    }
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
