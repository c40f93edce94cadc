#include "tests.h"
#include "themes/Colour.h"

#include <QtTest/QTest>

using namespace vellamora::colour;

void TestColour::readText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("value");
    QTest::newRow("name") << "clBlack" << 0x00000000u;
    QTest::newRow("name, any case") << "CLSKYBLUE" << 0x00F0CAA6u;
    QTest::newRow("marker none") << "clNone" << 0x1FFFFFFFu;
    QTest::newRow("system colour") << "clBtnFace" << 0x8000000Fu;
    QTest::newRow("system, gap in the indexes") << "clGradientActiveCaption" << 0x8000001Bu;
    QTest::newRow("hex, blue green red") << "$00A6A6D2" << 0x00A6A6D2u;
    QTest::newRow("hex, lower case") << "$00bc8f07" << 0x00BC8F07u;
    QTest::newRow("hex, short") << "$FF" << 0x000000FFu;
    QTest::newRow("decimal") << "16777215" << 0x00FFFFFFu;
    QTest::newRow("decimal, system colour as signed") << "-2147483633" << 0x8000000Fu;
}

void TestColour::readText()
{
    QFETCH(QString, text);
    QFETCH(uint, value);
    QCOMPARE(fromText(text), value);
}

void TestColour::badText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty (a missing line)") << "";
    QTest::newRow("unknown name") << "clPeach";
    QTest::newRow("dollar alone") << "$";
    QTest::newRow("bad hex digit") << "$00XYZ000";
    QTest::newRow("nine hex digits") << "$0000000001";
    QTest::newRow("signed hex") << "$-1";
    QTest::newRow("too big") << "99999999999";
    QTest::newRow("word") << "rosso";
}

void TestColour::badText()
{
    QFETCH(QString, text);
    QVERIFY(!isColourText(text));
    try {
        fromText(text);
        QFAIL("no conversion error");
    } catch (const ColourError &e) {
        QVERIFY2(e.text().contains(QLatin1Char('\'') + text + QLatin1Char('\'')), qPrintable(e.text()));
    }
}

void TestColour::writeText_data()
{
    QTest::addColumn<uint>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("named") << 0x00FFFFFFu << "clWhite";
    QTest::newRow("named extra") << 0x00F0FBFFu << "clCream";
    QTest::newRow("system") << 0x80000005u << "clWindow";
    QTest::newRow("unnamed, eight upper-case digits") << 0x004F4F4Fu << "$004F4F4F";
    QTest::newRow("unnamed, leading zeros") << 0x000000A0u << "$000000A0";
    QTest::newRow("built-in agenda colour") << 0x00CE9D9Du << "$00CE9D9D";
}

void TestColour::writeText()
{
    QFETCH(uint, value);
    QFETCH(QString, text);
    QCOMPARE(toText(value), text);
    // Written text reads back as the same value.
    QCOMPARE(fromText(text), value);
}

void TestColour::blend_data()
{
    QTest::addColumn<uint>("a");
    QTest::addColumn<uint>("b");
    QTest::addColumn<int>("percent");
    QTest::addColumn<uint>("result");
    QTest::newRow("grid rows, 80") << 0x00A6A6D2u << 0x00FFFFFFu << 80 << 0x00EDEDF6u;
    QTest::newRow("grid rows, 70") << 0x00A6A6D2u << 0x00FFFFFFu << 70 << 0x00E4E4F1u;
    QTest::newRow("0 is a") << 0x00123456u << 0x00FFFFFFu << 0 << 0x00123456u;
    QTest::newRow("100 is b") << 0x00123456u << 0x00ABCDEFu << 100 << 0x00ABCDEFu;
    // 255 + 33 * -255 / 100 = 255 - 84.15: truncation towards zero gives 171, flooring 170.
    QTest::newRow("darker, truncates towards zero") << 0x00FFFFFFu << 0x00000000u << 33 << 0x00ABABABu;
    QTest::newRow("channels apart") << 0x000000FFu << 0x00FF0000u << 50 << 0x007F0080u;
}

void TestColour::blend()
{
    QFETCH(uint, a);
    QFETCH(uint, b);
    QFETCH(int, percent);
    QFETCH(uint, result);
    QCOMPARE(vellamora::colour::blend(a, b, percent), result);
}

void TestColour::systemColourFromPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    palette.setColor(QPalette::Text, QColor(1, 2, 3));
    QCOMPARE(toQColor(fromText(QStringLiteral("clBtnFace")), palette), QColor(10, 20, 30));
    QCOMPARE(toQColor(fromText(QStringLiteral("clWindowText")), palette), QColor(1, 2, 3));
    QCOMPARE(toQColor(0x00A6A6D2u), QColor(0xD2, 0xA6, 0xA6));
    QCOMPARE(fromQColor(QColor(0xD2, 0xA6, 0xA6)), 0x00A6A6D2u);
    // A system colour blends through its palette colour.
    QCOMPARE(vellamora::colour::blend(0x8000000Fu, 0x00FFFFFFu, 0, palette), 0x001E140Au);
}

void TestColour::calendarHighlight_data()
{
    QTest::addColumn<uint>("agenda");
    QTest::addColumn<uint>("highlight");
    QTest::newRow("white turns yellow") << 0x00FFFFFFu << 0x0000FFFFu;
    QTest::newRow("black turns grey") << 0x00000000u << 0x00808080u;
    QTest::newRow("all bits turn grey") << 0xFFFFFFFFu << 0x00808080u;
    QTest::newRow("others stay") << 0x00CE9D9Du << 0x00CE9D9Du;
}

void TestColour::calendarHighlight()
{
    QFETCH(uint, agenda);
    QFETCH(uint, highlight);
    QCOMPARE(vellamora::colour::calendarHighlight(agenda), highlight);
}

void TestColour::schemeRoundTrip()
{
    const SectionColours colours = { 0x00FFFFFFu, 0x00A7E3F5u, 0x00000000u, 0x8000000Fu, 0x00CE9D9Du, 1u,
        0x00AEAEAEu, 0x00C0DCC0u, 0x0053A9FFu };
    const QString text = schemeText(colours);
    QVERIFY(text.startsWith(QStringLiteral("clWhite\r\n$00A7E3F5\r\nclBlack\r\nclBtnFace\r\n")));
    QVERIFY(text.endsWith(QStringLiteral("$0053A9FF\r\n")));
    QCOMPARE(splitLines(text).size(), kSections);
    QCOMPARE(readScheme(splitLines(text)), colours);
    // Old files with lone line feeds or carriage returns read the same.
    QString lf = text;
    lf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(readScheme(splitLines(lf)), colours);
    QString cr = text;
    cr.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    QCOMPARE(readScheme(splitLines(cr)), colours);
}

void TestColour::schemeBadLine_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("appliedBefore");
    const QStringList good = splitLines(schemeText(kBuiltinSections));
    QStringList bad = good;
    bad[3] = QStringLiteral("verde");
    QTest::newRow("bad fourth line") << bad << 3;
    QTest::newRow("only five lines") << good.mid(0, 5) << 5;
    QTest::newRow("empty file") << QStringList() << 0;
}

void TestColour::schemeBadLine()
{
    QFETCH(QStringList, lines);
    QFETCH(int, appliedBefore);
    int applied = 0;
    QVERIFY_THROWS_EXCEPTION(ColourError, readScheme(lines, [&applied](int, ColourValue) { ++applied; }));
    QCOMPARE(applied, appliedBefore);
}
