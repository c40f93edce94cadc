#include "support/TestMain.h"
#include "tests.h"

#include <QtGui/QGuiApplication>

int main(int argc, char **argv)
{
    // Drawing the built-in pictures needs fonts, so a GUI application (offscreen in CTest).
    return vellamora::test::runTests<QGuiApplication, TestColour, TestThemeFiles>(argc, argv);
}
