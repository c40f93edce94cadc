#include "tests.h"

#include "app/WorkingFolder.h"
#include "support/TestDoubles.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>

using namespace vellamora;

void TestWorkingFolder::defaultFolder_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("logon");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("surplus");
    QTest::newRow("mario") << "/opt/vm/" << "mario" << "/opt/vm/vellarcs/marioArc/" << 0;
    QTest::newRow("no log-on name") << "/opt/vm/" << "" << "/opt/vm/vellarcs/generic/" << 0;
    const QString hundred = QLatin1Char('/') + QString(98, QLatin1Char('p')) + QLatin1Char('/');
    QTest::newRow("long name is cut to 127")
        << hundred << QString(40, QLatin1Char('n'))
        << hundred + QStringLiteral("vellarcs/") + QString(18, QLatin1Char('n')) + QStringLiteral("/") << 0;
    const QString deep = QLatin1Char('/') + QString(115, QLatin1Char('d')) + QLatin1Char('/'); // + vellarcs/ = 126
    QTest::newRow("program folder too deep")
        << deep << QStringLiteral("mario") << deep + QStringLiteral("vellarcs/marioArc/") << 126 + 8 - 127;
    const QString edge = QLatin1Char('/') + QString(114, QLatin1Char('e')) + QLatin1Char('/'); // + vellarcs/ = 125
    QTest::newRow("prefix of 125 leaves room")
        << edge << QStringLiteral("mario") << edge + QStringLiteral("vellarcs/ma/") << 0;
}

void TestWorkingFolder::defaultFolder()
{
    QFETCH(QString, program);
    QFETCH(QString, logon);
    QFETCH(QString, expected);
    QFETCH(int, surplus);
    const DefaultFolder folder = computeDefaultWorkingFolder(program, logon);
    QCOMPARE(folder.path, expected);
    QCOMPARE(folder.surplus, surplus);
    if (surplus == 0)
        QVERIFY(folder.path.size() - 1 <= kDefaultFolderLimit);
}

void TestWorkingFolder::tooLongMessage()
{
    QCOMPARE(vellamora::tooLongMessage(QStringLiteral("/x/"), 7),
             QStringLiteral("Il percorso dove stai cercando di eseguirmi è troppo lungo:\r\n/x/\r\n\r\n"
                            "Devi installarmi in un altro più corto di almeno 7 caratteri."));
}

void TestWorkingFolder::redirection_data()
{
    QTest::addColumn<bool>("targetExists");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("netKept");
    QTest::newRow("folder exists") << true << true << true;
    QTest::newRow("missing, keep looking") << false << true << true;
    QTest::newRow("missing, give up") << false << false << false;
}

void TestWorkingFolder::redirection()
{
    QFETCH(bool, targetExists);
    QFETCH(bool, answer);
    QFETCH(bool, netKept);
    QTemporaryDir dir;
    const QString def = dir.filePath(QStringLiteral("vellarcs/marioArc/"));
    const QString target = dir.filePath(QStringLiteral("shared folder"));
    if (targetExists)
        QDir().mkpath(target);
    test::ScriptedPrompter prompter;
    QVERIFY(!applyRedirection(def, prompter).netFileExists); // no Net.txt: nothing asked
    QVERIFY(writeRedirection(def, target));
    QFile net(redirectionFile(def));
    QVERIFY(net.open(QIODevice::ReadOnly));
    QCOMPARE(net.readAll(), target.toUtf8() + "\r\n");
    net.close();

    prompter.answers = {answer};
    const Redirection r = applyRedirection(def, prompter);
    QCOMPARE(r.workingFolder, targetExists ? target + QLatin1Char('/') : def);
    QCOMPARE(r.netFileExists, netKept);
    QCOMPARE(QFileInfo::exists(redirectionFile(def)), netKept);
    if (targetExists) {
        QVERIFY(prompter.shown.empty());
    } else {
        QCOMPARE(prompter.shown.front().text,
                 QStringLiteral("Dato che non ho trovato la nuova cartella di lavoro che mi hai assegnato (") + target
                     + QStringLiteral("), sono tornato a lavorare in quella di default (") + def
                     + QStringLiteral("). Vuoi che continuo a cercarla al mio prossimo riavvio?"));
        QCOMPARE(prompter.texts(QStringLiteral("information")),
                 answer ? QStringList{} : QStringList{QStringLiteral("Ok, da adesso in poi si riprende a lavorare nella cartella di default!")});
    }
}

void TestWorkingFolder::unreadableRedirection()
{
    QTemporaryDir dir;
    const QString def = dir.filePath(QStringLiteral("w/"));
    QDir().mkpath(redirectionFile(def)); // a folder named Net.txt cannot be read as a file
    test::ScriptedPrompter prompter;
    prompter.answers = {true};
    const Redirection r = applyRedirection(def, prompter);
    QCOMPARE(r.workingFolder, def);
    QCOMPARE(prompter.texts(QStringLiteral("question")).size(), 1);
}
