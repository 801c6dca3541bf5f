// Entry point of the window tests: one QApplication for the whole program,
// then GoogleTest runs the cases on the GUI thread.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/ui/qt_nyelv.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The main window registers the program's file types for the user: the
    // tests keep them out of the real data folder.
    QTemporaryDir xdg;
    qputenv("XDG_DATA_HOME", xdg.path().toLocal8Bit());
    // ... and start none of the desktop's database tools for them.
    qputenv("KAVAREX_NO_DESKTOP_TOOLS", "1");
    // The start-up boxes that only inform (missing help file, start-up tips)
    // would wait for an answer in every test that builds the main window;
    // the tests that look at them switch them on again.
    qputenv("KAVAREX_NO_STARTUP_BOXES", "1");
    // Nor do the start-up checks of the dates run (they may probe the web);
    // the tests of those checks call them with a probe of their own.
    qputenv("KAVAREX_NO_STARTUP_CHECKS", "1");
    // Nor is the download of a missing draws database offered after a game
    // switch (Yes would go to the web); its test switches it on again.
    qputenv("KAVAREX_NO_DOWNLOAD_OFFER", "1");
    // The session speaks C, whatever the machine's: the program's Hungarian
    // must not come from the session.
    qputenv("LC_ALL", "C.UTF-8");
    QApplication app(argc, argv);
    // The language of Qt's own texts, as the program sets it at start.
    kvx::QtMagyarNyelv();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
