#include "lan/net/socket_transport.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace vantor::lan {
namespace {

constexpr int kClockTickMs = 250;
// A closing socket gets this long to hand over what is still queued (an "abort", a last move).
constexpr int kLingerMs = 3000;

// Ends a socket after its queued bytes are written, and frees it.
void retire(QTcpSocket* socket) {
    QObject::disconnect(socket, nullptr, nullptr, nullptr); // only our own connections exist on it
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    QObject::connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kLingerMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    socket->disconnectFromHost();
}

} // namespace

TLanSocketTransport::TLanSocketTransport() {
    clock_.start();
    clockTimer_.setInterval(kClockTickMs);
    QObject::connect(&clockTimer_, &QTimer::timeout, &context_, [this] {
        if (session_) session_->poll(clock_.elapsed());
    });
    clockTimer_.start();
}

TLanSocketTransport::~TLanSocketTransport() {
    shutdown();
}

void TLanSocketTransport::attach(TLanSession* session) {
    session_ = session;
    if (session_) session_->poll(clock_.elapsed());
}

bool TLanSocketTransport::listen(quint16 port, const QHostAddress& address, QString* error) {
    stopListening();
    server_ = new QTcpServer(&context_);
    QObject::connect(server_, &QTcpServer::newConnection, &context_, [this] {
        while (server_ && server_->hasPendingConnections()) {
            QTcpSocket* socket = server_->nextPendingConnection();
            const int peer = nextPeer_++;
            adopt(peer, socket);
            if (session_) session_->connected(peer);
        }
    });
    if (!server_->listen(address, port)) {
        if (error) *error = server_->errorString();
        delete server_;
        server_ = nullptr;
        return false;
    }
    return true;
}

quint16 TLanSocketTransport::serverPort() const {
    return server_ ? server_->serverPort() : 0;
}
bool TLanSocketTransport::listening() const {
    return server_ && server_->isListening();
}

void TLanSocketTransport::connectToHost(const QString& address, quint16 port) {
    close(0);
    auto* socket = new QTcpSocket(&context_);
    adopt(0, socket);
    QObject::connect(socket, &QAbstractSocket::connected, &context_, [this] {
        if (session_) session_->connected(0);
    });
    socket->connectToHost(address, port);
}

void TLanSocketTransport::adopt(int peer, QTcpSocket* socket) {
    socket->setParent(&context_);
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    sockets_[peer] = socket;
    QObject::connect(socket, &QIODevice::readyRead, &context_, [this, peer, socket] {
        const QByteArray bytes = socket->readAll();
        if (session_ && !bytes.isEmpty())
            session_->received(
                peer, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
    // Disconnects and errors may be raised inside a write; they reach the session afterwards.
    QObject::connect(socket, &QAbstractSocket::disconnected, &context_, [this, peer] {
        later([this, peer] {
            if (session_) session_->disconnected(peer);
        });
    });
    QObject::connect(socket, &QAbstractSocket::errorOccurred, &context_,
                     [this, peer](QAbstractSocket::SocketError) {
                         later([this, peer] {
                             if (session_) session_->socketError(peer);
                         });
                     });
}

void TLanSocketTransport::later(std::function<void()> report) {
    QMetaObject::invokeMethod(&context_, std::move(report), Qt::QueuedConnection);
}

void TLanSocketTransport::send(int peer, std::string_view bytes) {
    const auto it = sockets_.find(peer);
    if (it == sockets_.end() || it->second->state() != QAbstractSocket::ConnectedState) return;
    it->second->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void TLanSocketTransport::close(int peer) {
    const auto it = sockets_.find(peer);
    if (it == sockets_.end()) return;
    QTcpSocket* socket = it->second;
    sockets_.erase(it);
    retire(socket);
}

void TLanSocketTransport::stopListening() {
    if (!server_) return;
    server_->close();
    server_->deleteLater();
    server_ = nullptr;
}

void TLanSocketTransport::shutdown() {
    stopListening();
    while (!sockets_.empty()) close(sockets_.begin()->first);
}

} // namespace vantor::lan
