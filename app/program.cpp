#include "app/program.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace tumbrix {

int run_main_window(MainWindow::StartupSequence startup, std::chrono::milliseconds grace) {
    auto window = std::make_unique<MainWindow>(std::move(startup));
    window->show();
    const int code = QApplication::exec();
    if (!window->finish_startup_thread(grace)) {
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}

}  // namespace tumbrix
