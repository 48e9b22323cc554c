// simweb --port N [--delay-ms D]
// Serves the simulated web on 127.0.0.1:N (0 picks a free port) until it is
// interrupted or terminated. The first line of output is the port alone; then
// one line per answered request. Its routes recognise the domains and write
// the links of the build it was compiled in, so run the simweb of the same
// build directory as the Tumbrix it serves.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/simweb/server.h"

namespace {

int usage() {
    std::fprintf(stderr, "usage: simweb --port N [--delay-ms D]\n");
    return 2;
}

bool read_number(const char* text, long max, long& out) {
    char* end = nullptr;
    out = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && out >= 0 && out <= max;
}

}  // namespace

int main(int argc, char** argv) {
    long port = -1, delay = 0;
    for (int i = 1; i < argc; ++i) {
        const bool has_value = i + 1 < argc;
        if (std::strcmp(argv[i], "--port") == 0 && has_value) {
            if (!read_number(argv[++i], 65535, port)) return usage();
        } else if (std::strcmp(argv[i], "--delay-ms") == 0 && has_value) {
            if (!read_number(argv[++i], 600000, delay)) return usage();
        } else {
            return usage();
        }
    }
    if (port < 0) return usage();

    // Wait for the stop signals in this thread; the server's threads never see them.
    sigset_t stop_signals;
    sigemptyset(&stop_signals);
    sigaddset(&stop_signals, SIGINT);
    sigaddset(&stop_signals, SIGTERM);
    sigaddset(&stop_signals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    tumbrix::simweb::Server server(tumbrix::simweb::sites_of_this_build());
    server.set_page_delay(std::chrono::milliseconds(delay));
    server.on_request([](const tumbrix::simweb::LoggedRequest& r) {
        std::printf("%s %s %d%s\n", r.method.c_str(), r.target.c_str(), r.status,
                    r.cookie_returned ? " (cookie came back)" : " (new visitor)");
        std::fflush(stdout);
    });
    const int bound = server.start(static_cast<int>(port));
    if (bound < 0) {
        std::fprintf(stderr, "simweb: cannot listen on 127.0.0.1:%ld\n", port);
        return 1;
    }
    std::printf("%d\n", bound);
    std::fflush(stdout);

    int received = 0;
    sigwait(&stop_signals, &received);
    server.stop();
    return 0;
}
