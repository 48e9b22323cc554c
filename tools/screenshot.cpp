// Shows the main window and saves a picture of it:
//   tumbrix_screenshot <file.png> [<busy.png>]
// The second picture shows the window while a search runs (busy picture,
// running look, two rows). A developer tool, run by tools/screenshot.sh.
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

#include "app/main_window.h"
#include "app/program_values.h"
#include "notice/startup_sequence.h"
#include "platform/controls.h"

namespace {

void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget& window, const char* path) {
    if (window.grab().save(QString::fromLocal8Bit(path), "PNG")) return true;
    std::fprintf(stderr, "tumbrix_screenshot: cannot write %s\n", path);
    return false;
}

void show_a_running_search() {
    using namespace tumbrix;
    set_control_enabled(Control::搜索框, false);
    set_control_visible(Control::图片框1, true);
    set_control_text(Control::按钮1, "停止搜索");
    const char* rows[][3] = {{"示例文件一.rar", "12.5 MB", "http://example.invalid/1"},
                             {"示例文件二.zip", "700 KB", "http://example.invalid/2"}};
    for (const auto& cells : rows) {
        const int row = list_insert_row();
        for (int column = 0; column < 3; ++column) list_set_cell(row, column, cells[column]);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: tumbrix_screenshot <file.png> [<busy.png>]\n");
        return 2;
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    tumbrix::prepare_process_values();

    int code = 0;
    {
        tumbrix::MainWindow window(tumbrix::run_startup_sequence);
        window.show();
        settle(1500);  // the browser boxes paint late
        if (!save(window, argv[1])) code = 1;
        if (argc == 3) {
            show_a_running_search();
            settle(300);
            if (!save(window, argv[2])) code = 1;
        }
        window.close();
    }
    return code;
}
