#include "support/TestMain.h"
#include "tests.h"

#include <QtWidgets/QApplication>

int main(int argc, char **argv)
{
    return vellamora::test::runTests<QApplication, TestMainForm, TestTwoInstances, TestOptions,
        TestWindowShell, TestThemes, TestAlarmCenter>(argc, argv);
}
