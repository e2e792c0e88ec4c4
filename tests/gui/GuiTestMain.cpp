// Runs the window tests on Qt's offscreen platform, with the program's
// resources and an application object of its own, in a temporary home.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "framework/gui/Resources.h"
#include "res/ProgramResources.h"
#include "tests/gui/TestApp.h"
#include "tests/support/TestHome.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    UseTemporaryHome();
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    AfxSetResources(ProgramResources());
    TestApp app;
    return RUN_ALL_TESTS();
}
