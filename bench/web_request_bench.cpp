// The cost of a timed web request next to a bare libcurl exchange of the same
// 100 KB loopback page, and the CPU the waiting thread burns while a server
// stays silent. Both figures are printed as ratios at the end of the run:
//   per-request overhead  timed_web_request / bare curl   goal: at most 1.3
//   waiting thread        CPU time / wall time            goal: under 1 %
// A request hands its exchange to a thread and back, so on a machine busy with
// other work each hand-over waits for the scheduler. On a shared machine run
// it as `chrt -f 10 web_request_bench` to keep that waiting out of the figures.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>
#include <vector>

#include "web/timed_web_request.h"

namespace {

int g_page_port = 0;
int g_silent_port = 0;
double g_wait_cpu_share = -1;

std::string page_url() {
    return "http://127.0.0.1:" + std::to_string(g_page_port) + "/page";
}

// The bare exchange, as plain libcurl code writes it: one easy handle, the
// body appended to a string. With `presized`, the string is sized up front from
// the announced length, as Tumbrix's own layer does; that variant isolates
// what the worker thread and the wait cost.
struct Collected {
    CURL* easy;
    bool presized;
    std::string body;
};

size_t collect(char* data, size_t size, size_t count, void* user) {
    auto* collected = static_cast<Collected*>(user);
    if (collected->presized && collected->body.empty()) {
        curl_off_t announced = -1;
        curl_easy_getinfo(collected->easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
        if (announced > 0) collected->body.reserve(static_cast<size_t>(announced));
    }
    collected->body.append(data, size * count);
    return size * count;
}

std::string bare_curl_fetch(const std::string& url, bool presized = false) {
    CURL* easy = curl_easy_init();
    Collected collected{easy, presized, {}};
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &collected);
    curl_easy_perform(easy);
    curl_easy_cleanup(easy);
    return std::move(collected.body);
}

void BM_BareCurl(benchmark::State& state) {
    const std::string url = page_url();
    for (auto _ : state) {
        const std::string body = bare_curl_fetch(url);
        if (body.size() != 100 * 1024) state.SkipWithError("short page");
        benchmark::DoNotOptimize(body);
    }
}
BENCHMARK(BM_BareCurl)->UseRealTime()->MinTime(2.0);

void BM_BareCurlPresized(benchmark::State& state) {
    const std::string url = page_url();
    for (auto _ : state) {
        const std::string body = bare_curl_fetch(url, true);
        if (body.size() != 100 * 1024) state.SkipWithError("short page");
        benchmark::DoNotOptimize(body);
    }
}
BENCHMARK(BM_BareCurlPresized)->UseRealTime()->MinTime(2.0);

void BM_TimedWebRequest(benchmark::State& state) {
    const tumbrix::Text url = page_url();
    for (auto _ : state) {
        const tumbrix::Bytes body = tumbrix::timed_web_request(url);
        if (body.size() != 100 * 1024) state.SkipWithError("short page");
        benchmark::DoNotOptimize(body);
    }
}
BENCHMARK(BM_TimedWebRequest)->UseRealTime()->MinTime(2.0);

double g_side_by_side_ratio = -1;
double g_presized_ratio = -1;

// The three kinds of fetch take turns in short blocks, in a rotating order, so
// a load that comes and goes on the machine falls on each alike, while each
// block still runs in the steady state of its kind (the allocator's, above
// all). Each ratio is that of median times.
void BM_SideBySide(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    constexpr int kBlock = 25;
    const std::string url = page_url();
    std::vector<double> seconds[3];  // bare, bare presized, timed_web_request
    auto fetch = [&](int which) {
        const auto start = Clock::now();
        if (which == 2) {
            benchmark::DoNotOptimize(tumbrix::timed_web_request(url));
        } else {
            benchmark::DoNotOptimize(bare_curl_fetch(url, which == 1));
        }
        seconds[which].push_back(std::chrono::duration<double>(Clock::now() - start).count());
    };
    int round = 0;
    for (auto _ : state) {
        for (int i = 0; i < 3; ++i) {
            for (int n = 0; n < kBlock; ++n) fetch((round + i) % 3);
        }
        ++round;
    }
    auto median = [](std::vector<double>& v) {
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        return v[v.size() / 2];
    };
    const double bare = median(seconds[0]);
    const double presized = median(seconds[1]);
    const double timed = median(seconds[2]);
    g_side_by_side_ratio = timed / bare;
    g_presized_ratio = timed / presized;
    state.counters["ratio"] = g_side_by_side_ratio;
    state.counters["ratio_presized"] = g_presized_ratio;
}
BENCHMARK(BM_SideBySide)->Iterations(80)->UseRealTime();

double thread_cpu_seconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

// One request to a server that accepts the connection and never answers; the
// 3 s limit ends it. The calling thread should sleep the whole time.
void BM_WaitOnSilentServer(benchmark::State& state) {
    const tumbrix::Text url = "http://127.0.0.1:" + std::to_string(g_silent_port) + "/";
    tumbrix::RequestOptions options;
    options.timeout_seconds = 3;
    for (auto _ : state) {
        const double cpu_before = thread_cpu_seconds();
        const auto wall_before = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(tumbrix::timed_web_request(url, options));
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_before).count();
        g_wait_cpu_share = (thread_cpu_seconds() - cpu_before) / wall;
        state.counters["cpu_share"] = g_wait_cpu_share;
    }
}
BENCHMARK(BM_WaitOnSilentServer)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// A socket that is listening but never accepts: connections complete in the
// backlog and nothing is ever read or written.
int silent_listener() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    listen(fd, 16);
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    g_silent_port = ntohs(addr.sin_port);
    return fd;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // requests wait as they do on the GUI thread
    curl_global_init(CURL_GLOBAL_DEFAULT);

    httplib::Server server;
    const std::string page(100 * 1024, 'x');
    server.Get("/page", [&](const httplib::Request&, httplib::Response& res) {
        res.set_content(page, "text/html");
    });
    g_page_port = server.bind_to_any_port("127.0.0.1");
    std::thread serving([&] { server.listen_after_bind(); });
    const int silent = silent_listener();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    if (g_side_by_side_ratio >= 0) {
        std::printf("per-request overhead: timed_web_request / bare curl = %.3f (goal <= 1.3)\n",
                    g_side_by_side_ratio);
        std::printf("  against a bare exchange that also sizes its body up front: %.3f\n",
                    g_presized_ratio);
    }
    if (g_wait_cpu_share >= 0) {
        std::printf("waiting thread on a silent server: %.3f %% of a core (goal < 1 %%)\n",
                    g_wait_cpu_share * 100);
    }

    server.stop();
    serving.join();
    close(silent);
    benchmark::Shutdown();
    return 0;
}
