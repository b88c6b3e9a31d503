// Entry point of the headless tests: a QCoreApplication so that Qt's
// locale, timers and file-system helpers behave as in the programs.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
