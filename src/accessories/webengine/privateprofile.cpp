#include "privateprofile.h"

#include "enginefolder.h"

#include <QWebEngineDownloadRequest>

PrivateProfile::PrivateProfile(QObject *parent)
    : QWebEngineProfile(parent) // no name: off the record
{
    setHttpCacheType(MemoryHttpCache);
    setPersistentCookiesPolicy(NoPersistentCookies);
    setDownloadPath(EngineFolder::Nowhere);
    setPersistentStoragePath(EngineFolder::Nowhere);
    setCachePath(EngineFolder::Nowhere);
    connect(this, &QWebEngineProfile::downloadRequested, this,
            [](QWebEngineDownloadRequest *download) { download->cancel(); });
}
