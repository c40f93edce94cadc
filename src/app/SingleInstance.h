#pragma once
#include <QtCore/QByteArray>
#include <QtCore/QObject>
#include <QtCore/QStringList>

class QLocalServer;
class QLocalSocket;

namespace vellamora {

// The hand-over between a second start and the running instance, over a local
// socket named after the window class. Each message is little-endian 32-bit
// words: the message number, then for the hand-over (0x004A) the magic and the
// byte count followed by the buffer, for bring-to-front (1025) two zero words.
// The receiver answers every message with one 32-bit result.
namespace handover {

inline constexpr quint32 kMagic = 0xDE1F1DAB;
inline constexpr quint32 kCopyData = 0x004A;
inline constexpr quint32 kBringToFront = 1025;
inline constexpr char kClassName[] = "Quenfold.SingleApp.Demo";

// Arguments each followed by NUL, and one more NUL: "a","bc" -> 61 00 62 63 00 00.
QByteArray buildBuffer(const QStringList &arguments);
// The NUL-terminated strings up to the first empty one or the end of the buffer.
QStringList parseBuffer(const QByteArray &buffer);
QByteArray encodeCopyData(quint32 magic, const QByteArray &buffer);
QByteArray encodeBringToFront();

// The socket name for the class, scoped to the user's desktop session.
QString serverName();

enum class Result { NoInstance, Accepted, NotAccepted };

// Second start: hands `arguments` over (none: only bring-to-front) and, when
// accepted, asks the running instance to come to the front.
Result handOver(const QStringList &arguments, quint32 magic = kMagic, int timeoutMs = 5000);

} // namespace handover

// The running instance's end: listens under the class name and turns messages
// into signals. A hand-over with the wrong magic is answered 0 and reported.
class SingleInstanceServer : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstanceServer(QObject *parent = nullptr);
    ~SingleInstanceServer() override;
    // Starts listening; removes a stale socket left by a crashed instance.
    bool listen();

Q_SIGNALS:
    void argumentsReceived(const QStringList &arguments);
    void bringToFrontRequested();
    void invalidHandOver(const QString &errorText);

private:
    void onNewConnection();
    void onReadyRead(QLocalSocket *socket);

    QLocalServer *m_server;
};

} // namespace vellamora
