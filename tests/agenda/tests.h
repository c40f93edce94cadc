#pragma once
#include <QtCore/QObject>
#include <QtCore/QTemporaryDir>

// The appointment record and its shared routines.
class TestAppointmentRoutines : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void weekNumber_data();
    void weekNumber();
    void weekNumberIsIsoEveryDay();
    void markers_data();
    void markers();
    void completedYears_data();
    void completedYears();
    void capitalizeFirst_data();
    void capitalizeFirst();
    void neverDoneDate();
    void times_data();
    void times();
    void dateTexts_data();
    void dateTexts();
    void openAttachment_data();
    void openAttachment();
    void existingAttachment_data();
    void existingAttachment();
    void recordRoundTrip();
};

// The four agenda variants on fixed cases, the cleanup, the advance-notice scan, indexes.
class TestAgendaQuery : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void statementShape_data();
    void statementShape();
    void documentedCases_data();
    void documentedCases();
    void blankTimesFirst();
    void storeRunsTheSameStatement();
    void regionalNamesAreNotConverted();
    void oneShotCleanup_data();
    void oneShotCleanup();
    void advanceNoticeScan_data();
    void advanceNoticeScan();
    void dayAgendaRefresh();
    void everyBranchUsesAnIndex_data();
    void everyBranchUsesAnIndex();
    void indexesCreatedOnceOnly();

private:
    struct Fixture;
    Fixture *m = nullptr;
};

// The agenda SQL against the plain statement of the occurrence rule, on generated data.
class TestAgendaDifferential : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sqlMatchesRule();
};

// The command-line agenda, run as a process.
class TestAgendaCommand : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void output_data();
    void output();
    void errors_data();
    void errors();
    void readsWithoutWriting();
    void defaultFolderHonoursNetTxt_data();
    void defaultFolderHonoursNetTxt();

private:
    QTemporaryDir m_dir;
    QString folder() const { return m_dir.filePath(QStringLiteral("work")); }
};

// The four appointment lists (search, filters, order), the editors' saves, duplicate, delete,
// and the list model.
class TestAppointmentList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void search_data();
    void search();
    void filtersAndOrder_data();
    void filtersAndOrder();
    void times_data();
    void times();
    void saveEachKindAndOption_data();
    void saveEachKindAndOption();
    void updateDoneState_data();
    void updateDoneState();
    void duplicate_data();
    void duplicate();
    void rowAfterDelete_data();
    void rowAfterDelete();
    void modelReadsLazily();
    void listPlansUseTheirIndex_data();
    void listPlansUseTheirIndex();
};

// The alarm clock's catch-up rule, the notice texts and the alarm sound.
class TestAlarms : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void alarmTime_data();
    void alarmTime();
    void catchUp_data();
    void catchUp();
    void catchUpFollowsTheList();
    void noticeLine_data();
    void noticeLine();
    void messageLines_data();
    void messageLines();
    void dailySummary();
    void advanceNotices_data();
    void advanceNotices();
    void alarmSound_data();
    void alarmSound();
};

// The day agenda's export to comma-separated text and its done toggle.
class TestDayExport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void csvField_data();
    void csvField();
    void exportText();
    void fileNameAndWrite();
    void toggledDone_data();
    void toggledDone();
    void writeDoneState();
};
