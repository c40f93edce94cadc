#include "app/SingleInstance.h"

#include <QtCore/QDir>
#include <QtCore/QHash>
#include <QtCore/QtEndian>
#include <QtNetwork/QLocalServer>
#include <QtNetwork/QLocalSocket>

#include <unistd.h>

namespace vellamora {
namespace handover {

namespace {

void appendWord(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

quint32 wordAt(const QByteArray &in, qsizetype at)
{
    return qFromLittleEndian<quint32>(in.constData() + at);
}

bool writeAndWait(QLocalSocket &socket, const QByteArray &message, quint32 &reply, int timeoutMs)
{
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (socket.bytesAvailable() < 4) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    reply = wordAt(socket.read(4), 0);
    return true;
}

} // namespace

QByteArray buildBuffer(const QStringList &arguments)
{
    QByteArray buffer;
    for (const QString &a : arguments) {
        buffer += a.toLocal8Bit();
        buffer += '\0';
    }
    buffer += '\0';
    return buffer;
}

QStringList parseBuffer(const QByteArray &buffer)
{
    QStringList out;
    qsizetype start = 0;
    while (start < buffer.size()) {
        qsizetype end = buffer.indexOf('\0', start);
        if (end < 0)
            end = buffer.size();
        if (end == start)
            break;
        out << QString::fromLocal8Bit(buffer.mid(start, end - start));
        start = end + 1;
    }
    return out;
}

QByteArray encodeCopyData(quint32 magic, const QByteArray &buffer)
{
    QByteArray out;
    appendWord(out, kCopyData);
    appendWord(out, magic);
    appendWord(out, quint32(buffer.size()));
    out += buffer;
    return out;
}

QByteArray encodeBringToFront()
{
    QByteArray out;
    appendWord(out, kBringToFront);
    appendWord(out, 0);
    appendWord(out, 0);
    return out;
}

QString serverName()
{
    const QString name = QString::fromLatin1(kClassName);
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return QDir(runtime).filePath(name);
    return QDir::temp().filePath(name + QLatin1Char('-') + QString::number(getuid()));
}

Result handOver(const QStringList &arguments, quint32 magic, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(timeoutMs))
        return Result::NoInstance;
    quint32 reply = 0;
    if (!arguments.isEmpty()) {
        if (!writeAndWait(socket, encodeCopyData(magic, buildBuffer(arguments)), reply, timeoutMs)
            || reply != 1)
            return Result::NotAccepted;
    }
    writeAndWait(socket, encodeBringToFront(), reply, timeoutMs);
    return Result::Accepted;
}

} // namespace handover

namespace {
constexpr qsizetype kHeader = 12;
constexpr quint32 kMaxBuffer = 1 << 20;
} // namespace

SingleInstanceServer::SingleInstanceServer(QObject *parent)
    : QObject(parent), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstanceServer::onNewConnection);
}

SingleInstanceServer::~SingleInstanceServer() = default;

bool SingleInstanceServer::listen()
{
    const QString name = handover::serverName();
    // Listening replaces a socket file of the same name, so ask first whether someone answers.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(200))
        return false; // another instance answers: this one runs as a further instance
    QLocalServer::removeServer(name); // a stale socket left by a crashed instance
    return m_server->listen(name);
}

void SingleInstanceServer::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

void SingleInstanceServer::onReadyRead(QLocalSocket *socket)
{
    using namespace handover;
    auto reply = [socket](quint32 value) {
        char b[4];
        qToLittleEndian(value, b);
        socket->write(b, 4);
        socket->flush();
    };
    while (socket->bytesAvailable() >= kHeader) {
        const QByteArray head = socket->peek(kHeader);
        const quint32 message = qFromLittleEndian<quint32>(head.constData());
        const quint32 first = qFromLittleEndian<quint32>(head.constData() + 4);
        const quint32 second = qFromLittleEndian<quint32>(head.constData() + 8);
        if (message == kBringToFront) {
            socket->read(kHeader);
            reply(0);
            Q_EMIT bringToFrontRequested();
            continue;
        }
        if (message != kCopyData || second > kMaxBuffer) {
            socket->abort();
            return;
        }
        if (socket->bytesAvailable() < kHeader + qsizetype(second))
            return; // wait for the rest of the buffer
        socket->read(kHeader);
        const QByteArray buffer = socket->read(second);
        if (first != kMagic) {
            reply(0);
            Q_EMIT invalidHandOver(QStringLiteral("Invalid data structure passed in WM_COPYDATA"));
            continue;
        }
        reply(1);
        Q_EMIT argumentsReceived(parseBuffer(buffer));
    }
}

} // namespace vellamora
