// Whole searches through the real window, offscreen, against the simulated
// web on 127.0.0.1. One QApplication for the run; the simulated web starts
// before it, so that Chromium learns the host rule that leads Google to it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>

#include "simulated_web.h"

#ifdef __SANITIZE_ADDRESS__
// Chromium inside libQt6WebEngineCore deletes some objects through a pointer
// of a smaller type (seen in its own frames only).
extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}
#endif

#ifdef __SANITIZE_THREAD__
// Qt is not built with ThreadSanitizer; our own code stays checked.
extern "C" const char* __tsan_default_options() {
    return "ignore_noninstrumented_modules=1";
}
extern "C" const char* __tsan_default_suppressions() {
    return "thread:libQt6WebEngineCore.so.6\n";
}
#endif

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
