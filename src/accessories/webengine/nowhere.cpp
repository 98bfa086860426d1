#include "nowhere.h"

void keepEngineFilesOffDisk()
{
    const QByteArray nowhere = Nowhere.toLocal8Bit();
    qputenv("XDG_DATA_HOME", nowhere);
    qputenv("TMPDIR", nowhere);
}
