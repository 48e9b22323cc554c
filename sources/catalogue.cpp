#include "sources/catalogue.h"

#include <tumbrix/endpoints.h>

#include "platform/controls.h"
#include "sources/search_state.h"
#include "web/keyword_encoding.h"

namespace tumbrix {
namespace {

namespace ep = endpoints;

int32_t advance(int32_t& counter) {
    counter += 10;
    return counter;
}

Text baidu_site_url(const char* domain, int32_t offset, const char* tail) {
    return Text(ep::kBaiduBase) + "/s?wd=site%3A%28" + domain + "%29" + encode_keyword() +
           "&pn=" + number_to_text(offset) + tail;
}

Text google_site_url(const char* domain, const char* middle, const char* ei, int32_t offset) {
    return Text(ep::kGoogleBase) + "/search?q=%22" + encode_keyword() + "%22+site:" + domain +
           middle + ei + "&start=" + number_to_text(offset) + "&sa=N";
}

Text sina_url(int32_t offset) {
    // Sina takes the keyword as typed (GBK bytes) and a page number, not an offset.
    return Text(ep::kSinaBase) + "/search.php?key=" + control_text(Control::搜索框) +
           "&classid=0&format=txt~doc~pdf~ppt~htm~rar~aud&order=&uid=&id=0&page=" +
           number_to_text(static_cast<double>(offset) / 10.0);
}

}  // namespace

int32_t next_engine_offset() {
    return advance(search_state().engine_offset);
}
int32_t next_portal_offset() {
    return advance(search_state().portal_offset);
}
int32_t next_bt_offset() {
    return advance(search_state().bt_offset);
}

bool is_browser_source(int32_t source) {
    return source == 4 || source == 7;
}

Text build_engine_url() {
    const int32_t source = search_state().current_source;
    if (source < 2 || source > 7) return {};
    const int32_t n = next_engine_offset();
    switch (source) {
        case 2:
            return baidu_site_url(ep::kDomain115, n, "&cl=1&tn=baiduadv");
        case 3:
            return baidu_site_url(ep::kDomainNamipan, n, "&tn=baiduadv");
        case 4:
            return google_site_url(ep::kDomainXun6,
                                   "&hl=zh-CN&lr=&newwindow=1&safe=strict&biw=1440&bih=805"
                                   "&as_qdr=all&prmd=ivnsfd&ei=",
                                   ep::kEiXun6, n);
        case 5:
            return baidu_site_url(ep::kDomainRayfile, n, "&cl=0&tn=baiduadv");
        case 6:
            return sina_url(n);
        default:
            return google_site_url(ep::kDomainHotfile,
                                   "&hl=zh-CN&lr=&newwindow=1&safe=strict&as_qdr=all"
                                   "&prmd=ivnsb&ei=",
                                   ep::kEiHotfile, n);
    }
}

Text build_portal_url() {
    const int32_t n = next_portal_offset();
    return Text(ep::kPortalBase) + "/s?q=" + encode_keyword() + "&p=" + number_to_text(n);
}

Text build_bt_url() {
    const int32_t n = next_bt_offset();
    return Text(ep::kBaiduBase) + "/s?wd=" + encode_keyword() + "&pn=" + number_to_text(n) +
           "&cl=0&ct=2097152&tn=bds&si=" + ep::kDomainBt;
}

}  // namespace tumbrix
