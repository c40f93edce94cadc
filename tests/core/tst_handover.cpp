#include "tests.h"

#include "app/SingleInstance.h"

#include <QtCore/QTemporaryDir>
#include <QtCore/QThread>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>

#include <future>

using namespace vellamora;

void TestHandOver::buffer_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("a bc") << QStringList{"a", "bc"} << QByteArray::fromHex("610062630000");
    QTest::newRow("none") << QStringList{} << QByteArray::fromHex("00");
    QTest::newRow("controllo") << QStringList{"controllo"} << QByteArray("controllo\0\0", 11);
}

void TestHandOver::buffer()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, bytes);
    QCOMPARE(handover::buildBuffer(arguments), bytes);
    QCOMPARE(handover::parseBuffer(bytes), arguments);
    const QByteArray message = handover::encodeCopyData(handover::kMagic, bytes);
    QCOMPARE(message.left(12), QByteArray::fromHex("4a000000ab1d1fde") + QByteArray(1, char(bytes.size())) + QByteArray(3, 0));
}

void TestHandOver::parseStopsAtEnd()
{
    // A buffer without its closing empty string ends at its last byte.
    QCOMPARE(handover::parseBuffer(QByteArray("ab\0cd", 5)), (QStringList{"ab", "cd"}));
    QCOMPARE(handover::parseBuffer(QByteArray("ab\0\0cd\0", 7)), QStringList{"ab"});
}

void TestHandOver::serverAcceptsAndRejects()
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QCOMPARE(handover::handOver({QStringLiteral("x")}, handover::kMagic, 200), handover::Result::NoInstance);

    SingleInstanceServer server;
    QVERIFY(server.listen());
    SingleInstanceServer second;
    QVERIFY(!second.listen()); // the name is taken by a live instance
    QSignalSpy args(&server, &SingleInstanceServer::argumentsReceived);
    QSignalSpy front(&server, &SingleInstanceServer::bringToFrontRequested);
    QSignalSpy invalid(&server, &SingleInstanceServer::invalidHandOver);

    // The sender blocks, so it runs on another thread while this one serves.
    auto send = [](QStringList a, quint32 magic) {
        return std::async(std::launch::async, [a, magic] { return handover::handOver(a, magic, 3000); });
    };
    auto wait = [](std::future<handover::Result> &f) {
        while (f.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        return f.get();
    };

    auto withArgs = send({QStringLiteral("a"), QStringLiteral("bc")}, handover::kMagic);
    QCOMPARE(wait(withArgs), handover::Result::Accepted);
    QTRY_COMPARE(front.size(), 1);
    QCOMPARE(args.size(), 1);
    QCOMPARE(args.at(0).at(0).toStringList(), (QStringList{"a", "bc"}));

    auto noArgs = send({}, handover::kMagic);
    QCOMPARE(wait(noArgs), handover::Result::Accepted);
    QTRY_COMPARE(front.size(), 2);
    QCOMPARE(args.size(), 1); // nothing handed over without arguments

    auto wrong = send({QStringLiteral("a")}, 0x12345678);
    QCOMPARE(wait(wrong), handover::Result::NotAccepted);
    QTRY_COMPARE(invalid.size(), 1);
    QCOMPARE(invalid.at(0).at(0).toString(), QStringLiteral("Invalid data structure passed in WM_COPYDATA"));
    QCOMPARE(front.size(), 2);
    qunsetenv("XDG_RUNTIME_DIR");
}
