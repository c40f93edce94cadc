#include "support/TestMain.h"
#include "tests.h"

#include <QtWidgets/QApplication>

int main(int argc, char **argv)
{
    return vellamora::test::runTests<QApplication, TestListPages, TestEditors, TestListsInWindow,
        TestTodayPage>(argc, argv);
}
