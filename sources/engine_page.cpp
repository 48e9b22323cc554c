#include "sources/engine_page.h"

#include <optional>

#include <tumbrix/endpoints.h>

#include "platform/controls.h"
#include "sources/engine_sources.h"
#include "sources/search_state.h"

namespace tumbrix {
namespace {
std::optional<EnginePageState> g_page;
}

EnginePageState& engine_page_state() {
    if (!g_page) g_page.emplace();
    return *g_page;
}

void reset_engine_page_state() {
    g_page.emplace();
}

void store_http_page(const Bytes& body) {
    // Cached copies link to the same files; left in, they would match the
    // link patterns as well.
    Text text = text_replace(bytes_to_text(body), endpoints::kCachePrefix, "", 1, -1, false);
    shared_page_state().page_segments = text_split(text, "咨询热线：");
    engine_page_state().page_text = std::move(text);
}

void store_browser_page(const Text& markup) {
    engine_page_state().page_text = markup;
}

bool page_has_results() {
    EnginePageState& page = engine_page_state();
    page.engine_pattern.create("找不到(.*?)查询");
    const SearchResult r = page.engine_pattern.search(page.page_text, 1);
    return r.submatch_text(page.page_text, 1) != "和您的";
}

int32_t read_hit_count() {
    const EngineSource* source = engine_source(search_state().current_source);
    if (!source) return 0;
    EnginePageState& page = engine_page_state();
    page.engine_pattern.create(source->hit_pattern);
    const SearchResult r = page.engine_pattern.search(page.page_text, 1);
    Text hits = r.submatch_text(page.page_text, 1);
    hits = text_replace(hits, ",", "");
    hits = text_replace(hits, "约", "");
    return text_to_int(hits);
}

void finish_engine_search(const Text& status) {
    status_set_text(0, status);
    set_control_text(Control::按钮1, "开始搜索");
    search_state().engine_running = false;
    set_control_enabled(Control::搜索框, true);
    set_control_visible(Control::图片框1, false);
}

}  // namespace tumbrix
