// Requests wait by handling the calling thread's events, so the tests run with
// a Qt application, on its main thread as on the GUI thread.
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
