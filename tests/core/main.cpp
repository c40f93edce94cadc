#include "support/TestMain.h"
#include "tests.h"

#include <QtCore/QCoreApplication>

int main(int argc, char **argv)
{
    return vellamora::test::runTests<QCoreApplication, TestDatePicture, TestStore, TestSchema,
                                     TestWorkingFolder, TestHandOver, TestSettingsStore, TestShellRules, TestPlatform>(argc, argv);
}
