#include "tests.h"

#include "app/SingleInstance.h"

#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtCore/QtEndian>
#include <QtNetwork/QLocalServer>
#include <QtNetwork/QLocalSocket>
#include <QtTest/QTest>

using namespace vellamora;

namespace {

QTemporaryDir *g_dir = nullptr;

// Starts the real program with its own program folder and session.
std::unique_ptr<QProcess> launch(const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), g_dir->path());
    env.insert(QStringLiteral("VELLAMORA_PROGRAM_FOLDER"), g_dir->path());
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(VELLAMORA_EXECUTABLE), arguments);
    return process;
}

bool instanceAnswers()
{
    QLocalSocket socket;
    socket.connectToServer(handover::serverName());
    return socket.waitForConnected(100);
}

void stop(QProcess &process)
{
    process.kill();
    process.waitForFinished(5000);
}

} // namespace

void TestTwoInstances::init()
{
    g_dir = new QTemporaryDir;
    qputenv("XDG_RUNTIME_DIR", g_dir->path().toLocal8Bit());
}

void TestTwoInstances::cleanup()
{
    qunsetenv("XDG_RUNTIME_DIR");
    delete g_dir;
    g_dir = nullptr;
}

void TestTwoInstances::secondStartHandsOverAndEnds()
{
    auto first = launch({});
    QVERIFY(first->waitForStarted(10000));
    QTRY_VERIFY_WITH_TIMEOUT(instanceAnswers(), 20000);

    for (const QStringList &arguments : {QStringList{QStringLiteral("a"), QStringLiteral("bc")}, QStringList{}}) {
        auto second = launch(arguments);
        QVERIFY2(second->waitForFinished(20000), "the second start did not end");
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
    }
    QCOMPARE(first->state(), QProcess::Running);
    stop(*first);
}

void TestTwoInstances::refusedHandOverStartsFurtherInstance()
{
    // An instance that refuses every hand-over.
    QLocalServer refusing;
    QLocalServer::removeServer(handover::serverName());
    QVERIFY(refusing.listen(handover::serverName()));
    QObject::connect(&refusing, &QLocalServer::newConnection, &refusing, [&refusing] {
        QLocalSocket *socket = refusing.nextPendingConnection();
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket] {
            socket->readAll();
            char zero[4] = {0, 0, 0, 0};
            socket->write(zero, 4);
        });
    });
    auto further = launch({QStringLiteral("a")});
    QVERIFY(further->waitForStarted(10000));
    // It starts up on its own: its database appears and it keeps running.
    const QString database = g_dir->path() + QStringLiteral("/vellarcs/");
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(database).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty(), 20000);
    QTest::qWait(300);
    QCOMPARE(further->state(), QProcess::Running);
    stop(*further);
}
