#pragma once
#include <QtCore/QObject>

// The four list pages driven by their controls, over a real database.
class TestListPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void controlsAndHints_data();
    void controlsAndHints();
    void typingSearches_data();
    void typingSearches();
    void oneShotAutomaticSearchOff();
    void filters();
    void deleteSelectsTheRightRow_data();
    void deleteSelectsTheRightRow();
    void duplicate();
    void panels();
    void readOnlyRefusesEditors();
    void gridColours();
    void tableMenu_data();
    void tableMenu();
    void notesOpenTheEnlargedEditor();
    void lookAndSectionColour();
    void fitColumns();
    void attachmentsButton();
};

// The add and modify dialogs of the four kinds, filled and confirmed by their controls.
class TestEditors : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void addEachKind_data();
    void addEachKind();
    void timesAreChecked_data();
    void timesAreChecked();
    void oneDigitHour_data();
    void oneDigitHour();
    void clickIntoBlankTime();
    void scaledDialogOnScreen_data();
    void scaledDialogOnScreen();
    void stayOpenInsertsTwice();
    void modifyKeepsOrResetsDone_data();
    void modifyKeepsOrResetsDone();
    void oneShotOptionRules();
    void birthdayMode();
    void calendarPicksStartDate_data();
    void calendarPicksStartDate();
    void calendarDoubleClickRule();
    void attachments_data();
    void attachments();
    void enlargedNotes();
    void enterAndEscape_data();
    void enterAndEscape();
    void helpAndColours();
};

// The list pages and their dialogs inside the real main window.
class TestListsInWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void addThroughTheWindow();
    void modifyReturnsToTheRow();
    void editorScaledAndColoured();
    void calendarKeptForTheProgram();
    void dateFormatChangeShows();
    void listOpeningRefreshesAlarms();
};

// The agenda page "Impegni" inside the real main window, and its grid painter.
class TestTodayPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void controlsAndHints_data();
    void controlsAndHints();
    void enablingFollowsTheDay();
    void longestDateFits();
    void doneStrikesOutEarlierDays();
    void doneToggles();
    void exportWritesTheDay();
    void deleteAnsweringNoRefreshesTheList();
    void deleteSelectsTheRightRow_data();
    void deleteSelectsTheRightRow();
    void originLandsOnTheRow_data();
    void originLandsOnTheRow();
    void modifyOpensTheKindsEditor();
    void databaseErrorEndsOnlyTheAction_data();
    void databaseErrorEndsOnlyTheAction();
    void noteOpensEnlarged_data();
    void noteOpensEnlarged();
    void attachmentMenu();
    void attachmentsFromAListPage();
    void addMenu();
    void suspendedOnRequest();
    void advanceNoticeButton();
    void gridDrawing_data();
    void gridDrawing();
    void kindIndicator_data();
    void kindIndicator();
};
