// Whole searches through the real window, offscreen, against the simulated
// web on 127.0.0.1. One QApplication for the run; the simulated web starts
// before it, so that Chromium learns the host rule that leads Google to it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>

#include "simulated_web.h"

int main(int argc, char** argv) {
    if (!tumbrix::testing::start_simulated_web()) {
        std::fprintf(stderr, "e2e_test: the simulated web cannot listen on 127.0.0.1\n");
        return 1;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Chromium refuses its sandbox as root.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    int code = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        code = RUN_ALL_TESTS();
    }
    tumbrix::testing::stop_simulated_web();
    return code;
}
