#include "memorytempfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStorageInfo>
#include <QTemporaryDir>

namespace {

bool isHeldInMemory(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    const QStorageInfo storage(folder);
    const QByteArray type = storage.fileSystemType();
    return storage.isReady() && !storage.isReadOnly() && (type == "tmpfs" || type == "ramfs");
}

QString parentFolder()
{
    for (const QString &folder :
         {qEnvironmentVariable("XDG_RUNTIME_DIR"), QStringLiteral("/dev/shm")}) {
        if (isHeldInMemory(folder))
            return folder;
    }
    return QDir::tempPath();
}

// Goes with the application object, and takes the folder with it.
class FolderKeeper : public QObject
{
public:
    explicit FolderKeeper(const QString &parent)
        : QObject(QCoreApplication::instance()),
          m_folder(QDir(parent).filePath(QCoreApplication::applicationName() + "-XXXXXX"))
    {
    }

    QString path() const { return m_folder.isValid() ? m_folder.path() : QString(); }

private:
    QTemporaryDir m_folder; // made readable by this user alone
};

} // namespace

void useTempFolderInMemory()
{
    const QString path = (new FolderKeeper(parentFolder()))->path();
    if (!path.isEmpty())
        qputenv("TMPDIR", QFile::encodeName(path));
}
