#include "platform/qt/QtSingleInstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 5000;
const QByteArray kRequest = "show\n";
const QByteArray kAnswer = "done\n";

// A file name for the instance name, unique per name and safe for a socket path.
QString BasePath(const QString& name) {
    QString safe;
    for (const QChar ch : name.left(32)) {
        safe += ch.isLetterOrNumber() && ch.unicode() < 128 ? ch : QChar(u'_');
    }
    const QByteArray hash =
        QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder + QStringLiteral("/corvex-") + safe + u'-' + QString::fromLatin1(hash);
}

} // namespace

QtSingleInstance::QtSingleInstance(std::function<void()> handOver)
    : handOver_(std::move(handOver)) {}

QtSingleInstance::~QtSingleInstance() {
    if (server_) {
        server_->close();
    }
}

bool QtSingleInstance::Claim(const QString& name) {
    const QString base = BasePath(name);
    auto lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    // Only a dead holder makes the lock stale, never its age.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        // A holder in this very process could not answer while this call waits.
        qint64 holder = 0;
        if (!lock->getLockInfo(&holder, nullptr, nullptr) ||
            holder != QCoreApplication::applicationPid()) {
            AskFirst(base + QStringLiteral(".socket"));
        }
        return false;
    }
    lock_ = std::move(lock);
    const QString socketPath = base + QStringLiteral(".socket");
    // Whatever socket is there was left by a holder that died: the lock is ours.
    QLocalServer::removeServer(socketPath);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server_.get(), &QLocalServer::newConnection, this, [this] { Serve(); });
    server_->listen(socketPath);
    return true;
}

void QtSingleInstance::Serve() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            if (socket->readLine() == kRequest && handOver_) {
                handOver_();
            }
            socket->write(kAnswer);
            socket->flush();
            socket->disconnectFromServer();
        });
    }
}

// The first process may be starting up and not listen yet; the later one exits either way.
bool QtSingleInstance::AskFirst(const QString& socketPath) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(kConnectMs)) {
        return false;
    }
    socket.write(kRequest);
    if (!socket.waitForBytesWritten(kConnectMs)) {
        return false;
    }
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kAnswerMs)) {
            return false;
        }
    }
    return socket.readLine() == kAnswer;
}
