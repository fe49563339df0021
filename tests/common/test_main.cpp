// Every test executable runs inside one QApplication, so windows, timers and the event loop work.
#include <QApplication>
#include <gtest/gtest.h>

#include "common/ScriptedPrompter.h"
#include "mainwindow/frm4Main.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // An unscripted message box, modal window or file dialog fails the test at once instead of hanging.
    InstallHeadlessGuards();
    // Tests never depend on this machine's serial ports: the main window's port search finds one
    // adapter of the tests' own (a test that needs others gives its own catalog).
    frm4Main::SetPortCatalogSource([] {
        return PortCatalog({{1, QStringLiteral("/dev/null"), QStringLiteral("USB Serial Port (test adapter)")}});
    });
    return RUN_ALL_TESTS();
}
