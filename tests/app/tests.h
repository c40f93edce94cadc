#pragma once
#include <QtCore/QObject>

class TestMainForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstStartInEmptyFolder();
    void secondStartShowsNoReport();
    void dayChange_data();
    void dayChange();
    void controlArgument_data();
    void controlArgument();
    void colourDepth_data();
    void colourDepth();
    void exitQuestion_data();
    void exitQuestion();
    void startMinimized();
    void holdFlagAndAlwaysOnTop();
    void notADatabaseKeepsWindow();
    void programFolderTooDeep();
    void migrationNotice();
    void restoreStoresNoMigrationNotice();
    void redirectedFolder();
    void titleClock();
};

class TestTwoInstances : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void secondStartHandsOverAndEnds();
    void refusedHandOverStartsFurtherInstance();
};
