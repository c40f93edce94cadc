#include "support/TestMain.h"
#include "tests.h"

#include "app/Application.h"

int main(int argc, char **argv)
{
    return vellamora::test::runTests<vellamora::Application, TestListPages, TestEditors, TestListsInWindow,
        TestTodayPage>(argc, argv);
}
