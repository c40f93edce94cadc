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
    void aboutBox();
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

class TestOptions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyOptionSurvivesRestart();
    void passwordOfThirtyCharacters();
    void confirmationMismatch_data();
    void confirmationMismatch();
    void clearingStoresAtOnce();
    void soundCodeAfterLoad_data();
    void soundCodeAfterLoad();
    void missingSoundFallsBack();
    void autostartEntryDeletedOutside();
    void advanceDaysCapped();
    void startPage_data();
    void startPage();
    void tabVisibilityAtNextStart();
    void helpButtons();
};

class TestWindowShell : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void unlockNeedsExactPassword_data();
    void unlockNeedsExactPassword();
    void lockNowNeedsPassword();
    void readOnlyMode();
    void minimiseToTrayLocks_data();
    void minimiseToTrayLocks();
    void sizeLimits();
    void rememberedSize();
    void escapeAndWheel();
    void countPanel();
    void pageColourAndFocus();
};

class TestThemes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void titleBarPictures_data();
    void titleBarPictures();
    void titleBarResetByNextTheme();
    void pageColours_data();
    void pageColours();
    void colourSquares_data();
    void colourSquares();
    void colourPanelChoice_data();
    void colourPanelChoice();
    void restoreBuiltinColours_data();
    void restoreBuiltinColours();
    void schemeSaveAndOpen_data();
    void schemeSaveAndOpen();
    void schemeBadFile_data();
    void schemeBadFile();
    void focusColours();
    void dialogScale_data();
    void dialogScale();
    void contactMapAddedToOldDefault();
    void listGridsFollowTheTheme();
    void agendaDatePickerColours();
    void badColoursFile();
};

class TestAlarmCenter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void alarmRings_data();
    void alarmRings();
    void alarmsAcrossMidnight_data();
    void alarmsAcrossMidnight();
    void messagePanel();
    void alarmWithWindowOrLock_data();
    void alarmWithWindowOrLock();
    void dailySummary_data();
    void dailySummary();
    void advanceNotice_data();
    void advanceNotice();
    void advanceNoticeOncePerStartAndDay();
    void advanceNoticeUnderLock_data();
    void advanceNoticeUnderLock();
    void movedSoundStillPlays();
    void slideNotice();
};
