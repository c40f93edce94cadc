#include "support/TestMain.h"
#include "tests.h"

#include "app/Application.h"

int main(int argc, char **argv)
{
    return vellamora::test::runTests<vellamora::Application, TestMainForm, TestTwoInstances, TestOptions,
        TestWindowShell, TestThemes, TestAlarmCenter>(argc, argv);
}
