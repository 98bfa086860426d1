#include "nowhere.h"

#include "memorytempfolder.h"

void keepEngineFilesOffDisk()
{
    qputenv("XDG_DATA_HOME", Nowhere.toLocal8Bit());
    useTempFolderInMemory();
}
