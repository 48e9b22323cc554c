#include "sources/pass_driver.h"

#include <gtest/gtest.h>
#include <tumbrix/endpoints.h>

#include <fstream>
#include <iterator>

#include "platform/controls.h"
#include "sources/bt_steps.h"
#include "sources/catalogue.h"
#include "sources/portal_steps.h"

namespace tumbrix::testing {

Bytes read_fixture(const std::string& name) {
    std::ifstream in(std::string(TUMBRIX_FIXTURES_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    Bytes page{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string placeholder = "@LINK_BT@";
    for (size_t at = page.find(placeholder); at != Bytes::npos; at = page.find(placeholder, at))
        page.replace(at, placeholder.size(), endpoints::kLinkBt);
    return page;
}

Bytes replaced(Bytes text, const std::string& find, const std::string& replacement) {
    size_t count = 0;
    for (size_t at = text.find(find); at != Bytes::npos; at = text.find(find, at)) {
        text.replace(at, find.size(), replacement);
        at += replacement.size();
        ++count;
    }
    EXPECT_GT(count, 0u) << "not in the page: " << find;
    return text;
}

void PassDriver::start(SearchKind kind) {
    set_control_enabled(Control::搜索框, false);
    set_control_visible(Control::图片框1, true);
    set_control_text(Control::按钮1, "停止搜索");
    status_set_text(0, "状态：");
    list_clear();
    page_counter(kind) = -10;
    running_flag(kind) = true;
}

void PassDriver::stop(SearchKind kind) {
    set_control_text(Control::按钮1, "开始搜索");
    set_control_enabled(Control::搜索框, true);
    set_control_visible(Control::图片框1, false);
    status_set_text(0, "状态：");
    running_flag(kind) = false;
    page_counter(kind) = -10;
}

int PassDriver::run(SearchKind kind, const std::vector<Bytes>& pages) {
    int passes = 0;
    for (const Bytes& page : pages) {
        if (!running_flag(kind)) break;
        if (kind == SearchKind::bt) {
            urls.push_back(build_bt_url());
            if (while_fetching) while_fetching();
            store_bt_page(page);
            search_bt_page();
        } else {
            urls.push_back(build_portal_url());
            if (while_fetching) while_fetching();
            store_portal_page(page);
            search_portal_page();
        }
        ++passes;
    }
    return passes;
}

}  // namespace tumbrix::testing
