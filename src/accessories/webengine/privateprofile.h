#pragma once

#include <QWebEngineProfile>

// The browser's profile: off the record, so cookies, storage and the HTTP
// cache live in memory and go with it, and with nowhere to put a download, so
// that a download is refused before any of it reaches the disk.
class PrivateProfile : public QWebEngineProfile
{
public:
    explicit PrivateProfile(QObject *parent);
};
