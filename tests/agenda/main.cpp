#include "support/TestMain.h"
#include "tests.h"

#include <QtCore/QCoreApplication>

int main(int argc, char **argv)
{
    return vellamora::test::runTests<QCoreApplication, TestAppointmentRoutines, TestAgendaQuery,
        TestAgendaDifferential, TestAgendaCommand, TestAppointmentList, TestAlarms, TestDayExport>(
        argc, argv);
}
