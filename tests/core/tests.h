#pragma once
#include <QtCore/QObject>

class TestDatePicture : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void format_data();
    void format();
    void separatorsFollowTheLocale();
    void qtTextsAreItalian();
};

class TestStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void emptyTextIsNull();
    void charColumnsAreCut_data();
    void charColumnsAreCut();
    void namesIgnoreCase();
    void upperFoldsEveryLetter_data();
    void upperFoldsEveryLetter();
    void monthOfADate();
    void alterAddsSeveralColumns();
    void insertSelectBetweenTwins();
    void severalStatementsInOneText();
    void booleansAndDates();
    void memoKeepsLeadingZeros();
    void notADatabaseRaises();
    void twoConnectionsShareTheFile();
    void compactCopy();
    void splitStatements_data();
    void splitStatements();

private:
    struct Fixture;
    Fixture *m = nullptr;
};

class TestSchema : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newFolderGetsEverything();
    void secondStartOnlyReads();
    void onlyMissingStepRuns();
    void oldLayoutUpgradesGroups();
    void dropSetRebuildsSettings_data();
    void dropSetRebuildsSettings();
    void migrationInfo_data();
    void migrationInfo();
    void restoreSwap_data();
    void restoreSwap();
    void restoreSwapFailureKeepsDatabase();
    void folderThatCannotBeCreated();
};

class TestWorkingFolder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaultFolder_data();
    void defaultFolder();
    void tooLongMessage();
    void redirection_data();
    void redirection();
    void unreadableRedirection();
};

class TestHandOver : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buffer_data();
    void buffer();
    void parseStopsAtEnd();
    void serverAcceptsAndRejects();
};

class TestSettingsStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void soundCode_data();
    void soundCode();
    void unknownSoundCodeLeavesBoxes();
    void startPage_data();
    void startPage();
    void generalWriteStoresAsTyped_data();
    void generalWriteStoresAsTyped();
    void emptyPasswordReadsEmpty();
    void ownStatements_data();
    void ownStatements();
    void ownStatementRefusesOtherColumns();
    void windowSize_data();
    void windowSize();
    void tabVisibility();
    void scaleAndClock();
};

class TestShellRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void countPanelText_data();
    void countPanelText();
    void sectionTotals();
    void deletionPhrase_data();
    void deletionPhrase();
    void deletionPhraseDistribution();
    void sizeRules_data();
    void sizeRules();
    void desktopEntries();
    void soundLabel_data();
    void soundLabel();
    void soundDialogFolder();
    void colourText_data();
    void colourText();
};

class TestPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void chimeIsAPlayableWav();
    void desktopEntry();
};
