#pragma once
// The LAN sockets: a listening server socket on the host (ServerSocket1) and one client socket on
// a joiner (ClientSocket1). Every socket event is handled on the thread that created the
// transport, and feeds the session; a timer gives the session its clock for pulses and silence.

#include "lan/session.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>
#include <map>

class QTcpServer;
class QTcpSocket;

namespace vantor::lan {

class TLanSocketTransport : public TLanTransport {
public:
    TLanSocketTransport();
    ~TLanSocketTransport() override;
    TLanSocketTransport(const TLanSocketTransport&) = delete;
    TLanSocketTransport& operator=(const TLanSocketTransport&) = delete;

    // The session that hears this transport's reports; set before listening or connecting.
    void attach(TLanSession* session);

    // Host: listens on `port` (0: the system chooses) at `address`, all local addresses unless
    // told otherwise. False with the socket layer's text in `error` when it cannot.
    bool listen(quint16 port, const QHostAddress& address = QHostAddress::Any,
                QString* error = nullptr);
    quint16 serverPort() const;
    bool listening() const;

    // Joiner: starts connecting to the host; the outcome arrives as a report to the session.
    void connectToHost(const QString& address, quint16 port);

    // Closes every socket at once (leaving the table, or the program ending).
    void shutdown();

    // TLanTransport
    void send(int peer, std::string_view bytes) override;
    void close(int peer) override;
    void stopListening() override;

    int openConnections() const { return static_cast<int>(sockets_.size()); }

private:
    void adopt(int peer, QTcpSocket* socket);
    void later(std::function<void()> report);

    QObject context_; // owns the sockets' connections; queued reports die with it
    QTcpServer* server_ = nullptr;
    std::map<int, QTcpSocket*> sockets_;
    int nextPeer_ = 1;
    TLanSession* session_ = nullptr;
    QTimer clockTimer_;
    QElapsedTimer clock_;
};

} // namespace vantor::lan
