#include "support/engine_fixtures.h"

#include <fstream>
#include <iterator>
#include <utility>

#include <tumbrix/endpoints.h>

namespace tumbrix::testing {
namespace {

void replace_all(Bytes& page, const std::string& from, const std::string& to) {
    for (size_t at = page.find(from); at != Bytes::npos; at = page.find(from, at + to.size()))
        page.replace(at, from.size(), to);
}

}  // namespace

Bytes engine_fixture(const std::string& name) {
    const std::string path = std::string(TUMBRIX_FIXTURES_DIR) + "/engine/" + name;
    std::ifstream in(path, std::ios::binary);
    Bytes page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::pair<const char*, const char*> hosts[] = {
        {"@LINK_115@", endpoints::kLink115},
        {"@LINK_RAYFILE@", endpoints::kLinkRayfile},
        {"@LINK_HOTFILE@", endpoints::kLinkHotfile},
        {"@CACHE_PREFIX@", endpoints::kCachePrefix},
    };
    for (const auto& [from, to] : hosts) replace_all(page, from, to);
    return page;
}

}  // namespace tumbrix::testing
