// One QApplication for every test of the window, offscreen.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>

#ifdef __SANITIZE_ADDRESS__
// Chromium inside libQt6WebEngineCore deletes some objects through a pointer
// of a smaller type (seen in its own frames only); that check would stop
// every test that creates a browser box.
extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}
#endif

#ifdef __SANITIZE_THREAD__
// Qt is not built with ThreadSanitizer: the locks and allocations it makes
// from its own code are invisible to it and would be reported as races. Our
// own code stays checked.
extern "C" const char* __tsan_default_options() {
    return "ignore_noninstrumented_modules=1";
}
// Chromium's thread pool inside WebEngine leaves its threads unjoined at exit.
extern "C" const char* __tsan_default_suppressions() {
    return "thread:libQt6WebEngineCore.so.6\n";
}
#endif

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Chromium refuses its sandbox as root; the browser boxes need no GPU.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
                "--disable-gpu --disable-background-networking --disable-component-update");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
