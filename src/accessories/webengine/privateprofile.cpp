#include "privateprofile.h"

#include "nowhere.h"

#include <QWebEngineDownloadRequest>

PrivateProfile::PrivateProfile(QObject *parent)
    : QWebEngineProfile(parent) // no name: off the record
{
    setHttpCacheType(MemoryHttpCache);
    setPersistentCookiesPolicy(NoPersistentCookies);
    setDownloadPath(Nowhere);
    setPersistentStoragePath(Nowhere);
    setCachePath(Nowhere);
    connect(this, &QWebEngineProfile::downloadRequested, this,
            [](QWebEngineDownloadRequest *download) { download->cancel(); });
}
