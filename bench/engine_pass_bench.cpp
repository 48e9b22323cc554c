// One engine pass over a realistic result page against a plain search_all of
// each distinct row pattern over the same page. The row steps search the page
// thirty times per pass; remembering the match lists keeps the pass within a
// small multiple of searching it once per pattern. Prints the ratio per source.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "sources/engine_page.h"
#include "sources/engine_rows.h"
#include "sources/engine_sources.h"
#include "sources/match_memo.h"
#include "sources/search_state.h"
#include "support/engine_fixtures.h"
#include "support/fake_controls.h"

namespace tumbrix {
namespace {

constexpr size_t kPageBytes = 150 * 1024;

// Inline scripts, styles and a long "related searches" block around the ten
// results, as the engines' pages carried them, until the page is 150 KB.
Bytes realistic_page(int source) {
    const Bytes fixture = testing::engine_fixture("source" + std::to_string(source) + "_full.html");
    std::string head = "<style>";
    std::string tail = "<div id=\"rs\"><table><tr>";
    for (int i = 0; head.size() + tail.size() + fixture.size() < kPageBytes; ++i) {
        const std::string n = std::to_string(i);
        head += ".c" + n + "{margin:" + n + "px 0;color:#" + std::to_string(100000 + i) +
                "}\nfunction f" + n + "(a,b){var e=document.getElementById(\"e" + n +
                "\");if(e){e.style.display=a?\"block\":\"none\";}return b+" + n + ";}\n";
        tail += "<th><a href=\"/s?wd=%B9%D8%BC%FC%D7%D6" + n + "\">关键字资料下载" + n +
                "</a></th>\n<td>网盘 免费 高速下载 共享资料 " + n + "</td>\n";
    }
    head += "</style>\n";
    tail += "</tr></table></div>\n";
    Bytes page = fixture;
    page.insert(page.find("</head>"), head);
    page.insert(page.rfind("<div id=\"ec_im_container\">") != Bytes::npos
                    ? page.rfind("<div id=\"ec_im_container\">")
                    : page.rfind("</body>"),
                tail);
    return page;
}

// The extraction work of a pass: the nothing-found test, the hit count and
// the thirty row steps that turn the stored page into ten rows. Every
// iteration forgets the match lists, as a new page would.
void BM_EnginePass(benchmark::State& state) {
    const int source = static_cast<int>(state.range(0));
    testing::FakeControls controls;
    reset_search_state();
    search_state().current_source = source;
    search_state().engine_running = true;
    store_http_page(realistic_page(source));
    for (auto _ : state) {
        clear_match_memo();
        controls.list_clear();
        read_engine_page();
        if (controls.rows.size() != 10) state.SkipWithError("the page did not give ten rows");
    }
}

// The same pass with the page's preparation after the fetch (cached-copy
// links removed, split at "咨询热线："), for comparison.
void BM_EnginePassWithStore(benchmark::State& state) {
    const int source = static_cast<int>(state.range(0));
    const Bytes page = realistic_page(source);
    testing::FakeControls controls;
    reset_search_state();
    search_state().current_source = source;
    search_state().engine_running = true;
    for (auto _ : state) {
        clear_match_memo();
        controls.list_clear();
        store_http_page(page);
        read_engine_page();
        if (controls.rows.size() != 10) state.SkipWithError("the page did not give ten rows");
    }
}

// One search_all of each distinct title, link and size pattern over the page.
void BM_SearchAllOnce(benchmark::State& state) {
    const int source = static_cast<int>(state.range(0));
    const EngineSource& s = *engine_source(source);
    reset_search_state();
    search_state().current_source = source;
    store_http_page(realistic_page(source));
    const Text page = engine_page_state().page_text;
    const Text segment = shared_page_state().page_segments.size() >= 2
                             ? shared_page_state().page_segments[1]
                             : Text();
    const Text& row_text = s.reads_segment_2 ? segment : page;
    std::set<std::pair<Text, const Text*>> searches = {
        {s.title_pattern, &row_text}, {s.link_pattern, &row_text}, {s.size_pattern, &page}};
    std::map<Text, regex> compiled;
    for (const auto& [pattern, text] : searches) compiled[pattern].create(pattern);
    for (auto _ : state) {
        for (const auto& [pattern, text] : searches)
            benchmark::DoNotOptimize(compiled[pattern].search_all(*text));
    }
}

BENCHMARK(BM_EnginePass)->Arg(2)->Arg(5)->Arg(7)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EnginePassWithStore)->Arg(2)->Arg(5)->Arg(7)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchAllOnce)->Arg(2)->Arg(5)->Arg(7)->Unit(benchmark::kMicrosecond);

// The console report, followed by the ratios per source. CPU time is the
// measure: on a shared machine the wall time also counts the waits for a core.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                cpu_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const char* source : {"2", "5", "7"}) {
            const double once = time_of("BM_SearchAllOnce/", source);
            if (once <= 0) continue;
            std::printf(
                "source %s: one pass = %.2f x one search_all per distinct pattern (goal <= 3);"
                " with the page's preparation %.2f x\n",
                source, time_of("BM_EnginePass/", source) / once,
                time_of("BM_EnginePassWithStore/", source) / once);
        }
    }

  private:
    double time_of(const char* benchmark, const char* source) const {
        const auto it = cpu_.find(std::string(benchmark) + source);
        return it == cpu_.end() ? 0 : it->second;
    }
    std::map<std::string, double> cpu_;
};

}  // namespace
}  // namespace tumbrix

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    tumbrix::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
