#pragma once
#include <QtCore/QObject>

class TestColour : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readText_data();
    void readText();
    void badText_data();
    void badText();
    void writeText_data();
    void writeText();
    void blend_data();
    void blend();
    void systemColourFromPalette();
    void calendarHighlight_data();
    void calendarHighlight();
    void schemeRoundTrip();
    void schemeBadLine_data();
    void schemeBadLine();
};

class TestThemeFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void builtinTheme();
    void startupTheme_data();
    void startupTheme();
    void onlyColoursFolder();
    void fontsCompletion_data();
    void fontsCompletion();
    void fontsFallbacks();
    void titleBar_data();
    void titleBar();
    void genericAndPageGlyphs();
    void copiesTakeWhatTheButtonHolds();
    void splitRule_data();
    void splitRule();
};
