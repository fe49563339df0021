// Every test executable runs inside one QApplication, so windows, timers and the event loop work.
#include <QApplication>
#include <gtest/gtest.h>

#include "common/ScriptedPrompter.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // An unscripted message box, modal window or file dialog fails the test at once instead of hanging.
    InstallHeadlessGuards();
    return RUN_ALL_TESTS();
}
