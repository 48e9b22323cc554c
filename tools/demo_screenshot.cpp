// Runs the demo build's window against the simulated web and saves pictures:
//   tumbrix_demo_screenshot <adverts.png> <search.png> <bt.png> [keyword]
// adverts.png once the start-up adverts have rolled to the first text advert
// and the first picture advert; search.png after a whole search of the source
// chosen at start (讯6); bt.png after a whole BT search. The keyword (UTF-8)
// defaults to 网盘. A developer tool, run by tools/demo_screenshots.sh.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <functional>

#include "app/flat_toolbar.h"
#include "app/main_window.h"
#include "app/program_values.h"
#include "notice/startup_sequence.h"
#include "platform/codepage.h"
#include "platform/controls.h"

namespace {

using namespace tumbrix;

void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool wait_for(const std::function<bool()>& done, int limit_ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limit_ms) settle(20);
    return done();
}

bool save(QWidget& window, const char* path) {
    if (window.grab().save(QString::fromLocal8Bit(path), "PNG")) return true;
    std::fprintf(stderr, "tumbrix_demo_screenshot: cannot write %s\n", path);
    return false;
}

template <typename W>
W* child(QWidget& window, const char16_t* name) {
    return window.findChild<W*>(QString::fromUtf16(name));
}

// A whole search as the user runs it: the search loop runs inside the click.
void search(QWidget& window, const Text& keyword) {
    set_control_text(Control::搜索框, keyword);
    child<QPushButton>(window, u"按钮1")->click();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4 || argc > 5) {
        std::fprintf(stderr,
                     "usage: tumbrix_demo_screenshot <adverts.png> <search.png> <bt.png> "
                     "[keyword]\n");
        return 2;
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    prepare_process_values();
    const Text keyword = argc == 5 ? codepage::utf8_to_gbk(argv[4]) : Text("网盘");

    int code = 0;
    {
        MainWindow window(run_startup_sequence);
        window.show();

        // The first roll shows the label's own caption; the first text advert
        // follows after the rest, together with the first picture advert.
        const bool rolled = wait_for(
            [] {
                return control_text(Control::超级链接框1) != "广告招租中.." &&
                       control_top(Control::超级链接框1) == 424;
            },
            20000);
        if (!rolled) {
            std::fprintf(stderr, "tumbrix_demo_screenshot: the adverts did not start\n");
            code = 1;
        }
        settle(1000);  // the web advert paints late
        if (!save(window, argv[1])) code = 1;

        search(window, keyword);
        settle(500);
        if (!save(window, argv[2])) code = 1;

        child<FlatToolbar>(window, u"工具条1")->button(1)->click();
        search(window, keyword);
        settle(500);
        if (!save(window, argv[3])) code = 1;
        window.close();
    }
    return code;
}
