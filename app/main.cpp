// Program start: the GUI platform, the process-wide values and the exit
// action, then the main window and the message loop until it is closed.
#include <QApplication>
#include <chrono>
#include <cstdlib>

#include "app/program.h"
#include "app/program_values.h"
#include "notice/startup_sequence.h"

int main(int argc, char* argv[]) {
    // WebEngine views and the window share one GL context.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);

    tumbrix::prepare_process_values();
    std::atexit(tumbrix::release_process_values);

    // Every wait of the start-up sequence ends once the window is closed; the
    // grace only bounds a step that no shutdown request can interrupt.
    return tumbrix::run_main_window(tumbrix::run_startup_sequence, std::chrono::seconds(3));
}
