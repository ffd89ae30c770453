#ifndef CAPTURINGSERVER_H
#define CAPTURINGSERVER_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QPair>
#include <QString>

#include <memory>

class QTcpServer;
class QTcpSocket;
class QTimer;

// One HTTP request as it reached the server.
struct CapturedRequest
{
    QByteArray raw;    // every byte of the request: request line, headers, body
    QByteArray method; // "POST"
    QByteArray path;   // the request target as sent, "/api/v14/configure.action"
    QList<QPair<QByteArray, QByteArray>> headers; // in the order sent; values without
                                                  // the blanks around them
    QByteArray body;                              // exactly Content-Length bytes

    // The value of the first header of that name (any case); empty when absent.
    QByteArray header(const QByteArray &name) const;
    // The header names in the order sent.
    QList<QByteArray> headerNames() const;
};
Q_DECLARE_METATYPE(CapturedRequest)

// How the server answers one request.
struct ScriptedResponse
{
    int status = 200;
    QByteArray reason = "OK";
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers; // written after the status line

    // The length framing. WithLength: "Content-Length" = body size, the connection
    // stays open for more requests. WithoutLength: no "Content-Length", the body
    // ends when the server closes the connection. ClaimedLength: "Content-Length"
    // = claimedLength whatever the body's size, then the body, then the server
    // closes the connection. Reset: no answer at all, the server closes the
    // connection at once. ResetAndStop: as Reset, and the server stops listening,
    // so that Qt's second try is refused.
    enum Framing { WithLength, WithoutLength, ClaimedLength, Reset, ResetAndStop };
    Framing framing = WithLength;
    qint64 claimedLength = 0;
    // Kept back until releaseHeld(); never released, it plays a silent speaker.
    bool held = false;
    // Milliseconds between the bytes of the body, which then go out one at a
    // time after the head, as from a speaker that drips its answer; 0: as fast
    // as the client takes them.
    int dripInterval = 0;

    static ScriptedResponse json(const QByteArray &body, int status = 200);
};

// A stand-in speaker for the tests: listens on 127.0.0.1 on a free port,
// records every request it receives (several connections, keep-alive) and
// answers each with the next scripted response, or with the default response
// when none is queued. The body is written in 64 KiB pieces as the client takes
// them, so large answers really arrive in parts. Only requests with a
// Content-Length body (or none) are understood.
//
//     CapturingServer server;
//     QVERIFY(server.listen());
//     server.enqueue(ScriptedResponse::json("{}"));
//     QSignalSpy received(&server, &CapturingServer::requestReceived);
//     ... post to server.url() ...
//     QTRY_COMPARE(received.count(), 1);
//     QCOMPARE(server.requests().at(0).body, QByteArray("{\"action\": \"query\"}"));
class CapturingServer : public QObject
{
    Q_OBJECT

public:
    explicit CapturingServer(QObject *parent = nullptr);
    ~CapturingServer() override;

    // On 127.0.0.1, at the port given, or at one chosen by the system.
    bool listen(quint16 port = 0);
    quint16 port() const;
    // "http://127.0.0.1:<port>" + path
    QString url(const QString &path = QStringLiteral("/api/v14/configure.action")) const;

    // A speaker URL on 127.0.0.1 where nothing listens: a port just given up.
    static QString refusingUrl();

    void setDefaultResponse(const ScriptedResponse &response); // initially 200 with "{}"
    void enqueue(const ScriptedResponse &response); // for the next request not yet answered
    void releaseHeld(); // sends the held answers whose connections are still open

    QList<CapturedRequest> requests() const;
    // Those of one action ("query", "setconfig"), in the order received.
    QList<CapturedRequest> requests(const QByteArray &action) const;
    // Every device query is answered so from now on, whatever is queued: for the tests of what
    // a page sends after it has asked the speaker who it is.
    void setQueryResponse(const ScriptedResponse &response);
    void clearQueryResponse();
    int connectionCount() const; // connections accepted so far
    int openConnections() const; // connections still open
    qint64 bytesWritten() const; // of all answers, handed to the sockets so far

    // Closes the server and every connection.
    void close();

signals:
    void requestReceived(const CapturedRequest &request);

private:
    struct Connection
    {
        QByteArray input;
        QByteArray output; // what is still to be handed to the socket
        bool closeWhenWritten = false;
        QTimer *dripTimer = nullptr; // hands on one byte of output each time
    };

    void acceptConnections();
    void readRequests(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const ScriptedResponse &response);
    void writeMore(QTcpSocket *socket);
    void drip(QTcpSocket *socket);
    void dropConnection(QTcpSocket *socket);

    QTcpServer *m_server;
    QHash<QTcpSocket *, Connection> m_connections;
    QList<CapturedRequest> m_requests;
    QList<ScriptedResponse> m_queue;
    QList<QPair<QTcpSocket *, ScriptedResponse>> m_held;
    ScriptedResponse m_defaultResponse;
    std::unique_ptr<ScriptedResponse> m_queryResponse;
    int m_connectionCount = 0;
    qint64 m_bytesWritten = 0;
};

#endif // CAPTURINGSERVER_H
