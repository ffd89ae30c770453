#include "capturingserver.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {
const int PieceSize = 64 * 1024;
}

QByteArray CapturedRequest::header(const QByteArray &name) const
{
    for (const auto &header : headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0)
            return header.second;
    }
    return QByteArray();
}

QList<QByteArray> CapturedRequest::headerNames() const
{
    QList<QByteArray> names;
    for (const auto &header : headers)
        names.append(header.first);
    return names;
}

ScriptedResponse ScriptedResponse::json(const QByteArray &body, int status)
{
    ScriptedResponse response;
    response.status = status;
    response.reason = status == 200 ? QByteArray("OK") : QByteArray("Status");
    response.body = body;
    response.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray("application/json")));
    return response;
}

CapturingServer::CapturingServer(QObject *parent) : QObject(parent), m_server(new QTcpServer(this))
{
    qRegisterMetaType<CapturedRequest>();
    m_defaultResponse = ScriptedResponse::json("{}");
    connect(m_server, &QTcpServer::newConnection, this, &CapturingServer::acceptConnections);
}

CapturingServer::~CapturingServer()
{
    close();
}

bool CapturingServer::listen(quint16 port)
{
    return m_server->listen(QHostAddress::LocalHost, port);
}

quint16 CapturingServer::port() const
{
    return m_server->serverPort();
}

QString CapturingServer::url(const QString &path) const
{
    return QLatin1String("http://127.0.0.1:") + QString::number(port()) + path;
}

QString CapturingServer::refusingUrl()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return QLatin1String("http://127.0.0.1:") + QString::number(server.serverPort()) +
        QLatin1String("/api/v14/configure.action");
}

void CapturingServer::setDefaultResponse(const ScriptedResponse &response)
{
    m_defaultResponse = response;
}

void CapturingServer::enqueue(const ScriptedResponse &response)
{
    m_queue.append(response);
}

void CapturingServer::releaseHeld()
{
    const QList<QPair<QTcpSocket *, ScriptedResponse>> held = m_held;
    m_held.clear();
    for (const auto &answer : held) {
        ScriptedResponse response = answer.second;
        response.held = false;
        if (m_connections.contains(answer.first))
            this->answer(answer.first, response);
    }
}

QList<CapturedRequest> CapturingServer::requests() const
{
    return m_requests;
}

QList<CapturedRequest> CapturingServer::requests(const QByteArray &action) const
{
    QList<CapturedRequest> found;
    for (const CapturedRequest &request : m_requests) {
        if (request.body.contains("\"action\": \"" + action + '"'))
            found.append(request);
    }
    return found;
}

void CapturingServer::setQueryResponse(const ScriptedResponse &response)
{
    m_queryResponse.reset(new ScriptedResponse(response));
}

void CapturingServer::clearQueryResponse()
{
    m_queryResponse.reset();
}

int CapturingServer::connectionCount() const
{
    return m_connectionCount;
}

int CapturingServer::openConnections() const
{
    return m_connections.size();
}

qint64 CapturingServer::bytesWritten() const
{
    return m_bytesWritten;
}

void CapturingServer::close()
{
    m_server->close();
    m_held.clear();
    const QList<QTcpSocket *> sockets = m_connections.keys();
    m_connections.clear();
    for (QTcpSocket *socket : sockets) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater(); // and its drip timer with it
    }
}

void CapturingServer::acceptConnections()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        ++m_connectionCount;
        m_connections.insert(socket, Connection());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket]() { readRequests(socket); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket]() { writeMore(socket); });
        connect(socket, &QTcpSocket::disconnected, this,
                [this, socket]() { dropConnection(socket); });
        readRequests(socket);
    }
}

void CapturingServer::readRequests(QTcpSocket *socket)
{
    if (!m_connections.contains(socket))
        return;
    m_connections[socket].input += socket->readAll();

    for (;;) {
        auto found = m_connections.find(socket);
        if (found == m_connections.end())
            return;
        QByteArray &input = found->input;
        const int headEnd = input.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return;

        CapturedRequest request;
        const QList<QByteArray> lines = input.left(headEnd).split('\n');
        const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
        request.method = requestLine.value(0);
        request.path = requestLine.value(1);
        for (int i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines.at(i);
            const int colon = line.indexOf(':');
            if (colon < 0)
                continue;
            request.headers.append(qMakePair(line.left(colon), line.mid(colon + 1).trimmed()));
        }
        const int length = request.header("Content-Length").toInt();
        const int total = headEnd + 4 + length;
        if (input.size() < total)
            return;
        request.raw = input.left(total);
        request.body = input.mid(headEnd + 4, length);
        input.remove(0, total);

        const bool query = m_queryResponse && request.body == "{\"action\": \"query\"}";
        const ScriptedResponse response = query ? *m_queryResponse
            : m_queue.isEmpty()                 ? m_defaultResponse
                                                : m_queue.takeFirst();
        m_requests.append(request);
        if (response.held)
            m_held.append(qMakePair(socket, response));
        else
            answer(socket, response);
        emit requestReceived(request);
    }
}

void CapturingServer::answer(QTcpSocket *socket, const ScriptedResponse &response)
{
    if (response.framing == ScriptedResponse::Reset) {
        dropConnection(socket);
        socket->abort();
        return;
    }
    if (response.framing == ScriptedResponse::ResetAndStop) {
        close();
        return;
    }
    Connection &connection = m_connections[socket];
    QByteArray head =
        "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + response.reason + "\r\n";
    for (const auto &header : response.headers)
        head += header.first + ": " + header.second + "\r\n";
    switch (response.framing) {
    case ScriptedResponse::WithLength:
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
        break;
    case ScriptedResponse::ClaimedLength:
        head += "Content-Length: " + QByteArray::number(response.claimedLength) + "\r\n";
        head += "Connection: close\r\n";
        connection.closeWhenWritten = true;
        break;
    case ScriptedResponse::WithoutLength:
        head += "Connection: close\r\n";
        connection.closeWhenWritten = true;
        break;
    case ScriptedResponse::Reset: // handled above
    case ScriptedResponse::ResetAndStop:
        break;
    }
    head += "\r\n";
    if (response.dripInterval > 0) {
        m_bytesWritten += socket->write(head);
        connection.output += response.body;
        connection.dripTimer = new QTimer(socket);
        connect(connection.dripTimer, &QTimer::timeout, this, [this, socket]() { drip(socket); });
        connection.dripTimer->start(response.dripInterval);
        return;
    }
    connection.output += head + response.body;
    writeMore(socket);
}

void CapturingServer::writeMore(QTcpSocket *socket)
{
    auto found = m_connections.find(socket);
    if (found == m_connections.end())
        return;
    if (found->dripTimer)
        return;
    while (!found->output.isEmpty() && socket->bytesToWrite() < PieceSize) {
        const QByteArray piece = found->output.left(PieceSize);
        found->output.remove(0, piece.size());
        m_bytesWritten += socket->write(piece);
    }
    if (found->output.isEmpty() && found->closeWhenWritten) {
        found->closeWhenWritten = false;
        socket->disconnectFromHost(); // after what is still buffered
    }
}

void CapturingServer::drip(QTcpSocket *socket)
{
    auto found = m_connections.find(socket);
    if (found == m_connections.end())
        return;
    if (!found->output.isEmpty()) {
        m_bytesWritten += socket->write(found->output.left(1));
        found->output.remove(0, 1);
    }
    if (found->output.isEmpty()) {
        found->dripTimer->stop();
        if (found->closeWhenWritten)
            socket->disconnectFromHost();
    }
}

void CapturingServer::dropConnection(QTcpSocket *socket)
{
    if (m_connections.remove(socket))
        socket->deleteLater();
    for (int i = m_held.size() - 1; i >= 0; --i) {
        if (m_held.at(i).first == socket)
            m_held.removeAt(i);
    }
}
