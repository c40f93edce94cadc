#pragma once
// Runs several QtTest classes in one executable, so related tests build as one program.
// Exit code: the number of classes that failed.
#include <QtTest/QTest>

namespace vellamora::test {

template<typename App, typename... Tests>
int runTests(int argc, char **argv)
{
    App app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    int failed = 0;
    ((failed += QTest::qExec(std::make_unique<Tests>().get(), argc, argv) != 0 ? 1 : 0), ...);
    return failed;
}

} // namespace vellamora::test
