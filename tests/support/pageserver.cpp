#include "pageserver.h"

#include <QNetworkProxy>
#include <QTcpSocket>

PageServer::PageServer()
{
    listen(QHostAddress::LocalHost);
    QNetworkProxy::setApplicationProxy({QNetworkProxy::HttpProxy, "127.0.0.1", serverPort()});
    connect(this, &QTcpServer::newConnection, this, [this] {
        QTcpSocket *socket = nextPendingConnection();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            // "GET http://host/path HTTP/1.1": a proxy is asked for whole addresses.
            const QByteArray address = socket->readAll().split(' ').value(1);
            if (!address.startsWith("http://"))
                return; // the rest of a request already answered
            asked << address.mid(address.indexOf('/', 7));
            QByteArrayList &queue = responses[asked.last()];
            socket->write(queue.size() > 1 ? queue.takeFirst() : queue.value(0, response("", "")));
            socket->disconnectFromHost();
        });
    });
}

QByteArray response(const QByteArray &headers, const QByteArray &body, const QByteArray &status)
{
    return "HTTP/1.1 " + status +
           "\r\nConnection: close\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n" +
           headers + "\r\n" + body;
}
