#pragma once

#include <QHash>
#include <QTcpServer>

// Serves test pages to the web engine without a network: set as the
// application's HTTP proxy, it answers every web address by its path.
class PageServer : public QTcpServer
{
public:
    PageServer();

    QHash<QByteArray, QByteArrayList> responses; // by path, in turn; the last one repeats
    QByteArrayList asked;                        // the paths asked for, in order
};

// A whole response: the status line, the given headers and the body.
QByteArray response(const QByteArray &headers, const QByteArray &body,
                    const QByteArray &status = "200 OK");
