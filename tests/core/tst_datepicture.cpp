#include "tests.h"

#include "app/DatePicture.h"
#include "app/Regional.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QLibraryInfo>
#include <QtCore/QTranslator>

#include <QtTest/QTest>

using namespace vellamora;

void TestDatePicture::format_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("expected");
    const QDateTime afternoon(QDate(2024, 3, 5), QTime(14, 7, 9));
    const QDateTime midnight(QDate(2026, 12, 31), QTime(0, 0, 0));
    const QDateTime noon(QDate(2027, 1, 1), QTime(12, 30, 5));
    QTest::newRow("clock") << afternoon << "dddd d mmmm yyyy - hh:mm:ss" << "martedì 5 marzo 2024 - 14:07:09";
    QTest::newRow("clock am/pm afternoon") << afternoon << "dddd d mmmm yyyy - hh:mm:ss am/pm"
                                           << "martedì 5 marzo 2024 - 02:07:09 pm";
    QTest::newRow("clock am/pm midnight") << midnight << "dddd d mmmm yyyy - hh:mm:ss am/pm"
                                          << "giovedì 31 dicembre 2026 - 12:00:00 am";
    QTest::newRow("clock AM/PM noon") << noon << "hh:mm AM/PM" << "12:30 PM";
    QTest::newRow("file stamp") << afternoon << "yyyy-mm-dd-hh-nn-ss" << "2024-03-05-14-07-09";
    QTest::newRow("short date") << afternoon << "dd/mm/yyyy" << "05/03/2024";
    QTest::newRow("day-month") << afternoon << "mm/dd" << "03/05";
    QTest::newRow("day and month name") << afternoon << "d mmmm" << "5 marzo";
    QTest::newRow("minutes after hours") << afternoon << "hh.mm.ss" << "14.07.09";
    QTest::newRow("day change reads zero") << midnight << "hh.mm.ss" << "00.00.00";
    QTest::newRow("month after a date") << afternoon << "h:m d/m" << "14:7 5/3";
    QTest::newRow("short names") << afternoon << "ddd d mmm yy" << "mar 5 mar 24";
    QTest::newRow("upper-case letters") << afternoon << "DDDD D MMMM YYYY" << "martedì 5 marzo 2024";
    QTest::newRow("quoted text") << afternoon << "'ore' hh \"e\" nn" << "ore 14 e 07";
    QTest::newRow("leap day") << QDateTime(QDate(2024, 2, 29), QTime(8, 5)) << "dddd d mmmm" << "giovedì 29 febbraio";
}

void TestDatePicture::format()
{
    QFETCH(QDateTime, moment);
    QFETCH(QString, picture);
    QFETCH(QString, expected);
    QCOMPARE(formatDatePicture(moment, picture, Regional::italian()), expected);
}

void TestDatePicture::separatorsFollowTheLocale()
{
    Regional regional = Regional::italian();
    regional.dateSeparator = QLatin1Char('-');
    regional.timeSeparator = QLatin1Char('.');
    const QDateTime at(QDate(2024, 11, 27), QTime(9, 30));
    QCOMPARE(formatDatePicture(at, QStringLiteral("mm/dd hh:nn"), regional), QStringLiteral("11-27 09.30"));
    const Regional german = Regional::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(german.dateSeparator, QLatin1Char('.'));
    QCOMPARE(formatDatePicture(at, QStringLiteral("dddd"), german), QStringLiteral("Mittwoch"));
}

// The standard dialogs (file choosers, the edit fields' menus) speak Italian too.
void TestDatePicture::qtTextsAreItalian()
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_it.qm")))
        QSKIP("the Qt installation has no Italian texts");
    QVERIFY(installQtTexts(*QCoreApplication::instance()));
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    const QString lookIn = QCoreApplication::translate("QFileDialog", "Look in:");
    for (QTranslator *t : QCoreApplication::instance()->findChildren<QTranslator *>())
        QCoreApplication::removeTranslator(t);
    QCOMPARE(cancel, QStringLiteral("Annulla"));
    QVERIFY(lookIn != QStringLiteral("Look in:"));
}
