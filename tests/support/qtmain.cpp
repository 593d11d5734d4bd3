// Test main for widget tests: one application object for the whole run.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
