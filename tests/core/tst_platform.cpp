#include "tests.h"

#include "platform/Chime.h"
#include "platform/Shell.h"

#include <QtCore/QTemporaryDir>
#include <QtCore/QtEndian>
#include <QtTest/QTest>

using namespace vellamora;

void TestPlatform::chimeIsAPlayableWav()
{
    const QByteArray wav = chimeWav();
    QVERIFY(wav.size() > 44);
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
    QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 20), quint16(1)); // PCM
    QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 34), quint16(16)); // bits per sample
    QCOMPARE(wav.mid(36, 4), QByteArray("data"));
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 40), quint32(wav.size() - 44));
    // It fades out: the last samples are near silence, so it never ends with a click.
    const qint16 last = qFromLittleEndian<qint16>(wav.constData() + wav.size() - 2);
    QVERIFY(qAbs(last) < 400);
}

void TestPlatform::desktopEntry()
{
    QTemporaryDir dir;
    DesktopShell shell;
    const QString path = dir.filePath(QStringLiteral("autostart/Vellamora.desktop"));
    QVERIFY(shell.writeDesktopEntry(path, QStringLiteral("/opt/vm/vellamora"), QStringLiteral("/opt/vm/")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
    QVERIFY(text.contains(QStringLiteral("\nExec=\"/opt/vm/vellamora\"\n")));
    QVERIFY(text.contains(QStringLiteral("\nPath=/opt/vm/\n")));
    QVERIFY(text.contains(QStringLiteral("\nName=Vellamora\n")));
    QVERIFY(!shell.open(dir.filePath(QStringLiteral("missing.txt")))); // a missing file is a failure
}
