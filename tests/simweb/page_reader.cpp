#include "page_reader.h"

#include <algorithm>
#include <utility>

#include "platform/codepage.h"
#include "text/pattern.h"

namespace tumbrix::simweb::testing {
namespace {

struct Removal {
    const char* text;
    bool exact = false;  // otherwise ASCII case is ignored
};

Text remove_all(Text text, const std::vector<Removal>& removals) {
    for (const Removal& r : removals) text = text_replace(text, r.text, "", 1, -1, r.exact);
    return text;
}

std::vector<Text> groups(const Text& pattern, const Text& text) {
    regex re;
    if (!re.create(pattern)) return {};
    std::vector<Text> out;
    for (const SearchResult& m : re.search_all(text)) out.push_back(m.submatch_text(text, 1));
    return out;
}

Text first_group(const Text& pattern, const Text& text) {
    regex re;
    if (!re.create(pattern)) return {};
    return re.search(text).submatch_text(text, 1);
}

// The row readers of one engine route.
struct EngineReader {
    const char* hit_pattern;
    bool rows_in_segment_2;
    const char* title_pattern;
    std::vector<Removal> title_removals;
    Text link_pattern;
    Text link_prefix;  // put before group 1
    const char* size_pattern;
};

EngineReader engine_reader(Source source, const Sites& s) {
    const char* baidu_hits = "找到相关结果(.*?)个";
    const char* baidu_title = "target=\"_blank\">(.*?)</a></h3>";
    switch (source) {
        case Source::s115:
            return {baidu_hits,
                    false,
                    baidu_title,
                    {{"<em>"}, {"</em>"}, {"- 115网络U盘-我的网盘|免费网络硬盘", true}},
                    "href=\"" + s.link_115 + "(.*?)\" target=\"_blank\">",
                    s.link_115,
                    "文件大小：(.*?) 提取码"};
        case Source::namipan:
            return {baidu_hits,
                    true,
                    baidu_title,
                    {{"<em>"}, {"</em>"}, {" 文件下载 纳米盘-免费网络硬盘"}},
                    "href=\"http://(.*?)\" target=\"_blank\">",
                    "http://",
                    "文件大小：(.*?)举报"};
        case Source::xun6:
            return {"获得(.*?) 条结果",
                    false,
                    "訊6 - (.*?)文件",
                    {{"<em>"}, {"</em>"}, {"下載"}},
                    "u=(.*?)&amp",
                    "",
                    "文件大小: (.*?). 下載次數"};
        case Source::rayfile:
            return {baidu_hits,
                    true,
                    baidu_title,
                    {{"<em>"}, {"</em>"}, {"RayFile | "}},
                    "href=\"" + s.link_rayfile + "(.*?)\" target=\"_blank\">",
                    s.link_rayfile,
                    "大小 (.*?) 上传时间"};
        case Source::sina:
            return {"共找到相关资料<span class=\"c3\">(.*?)</span>项</td>",
                    false,
                    "target=\"_blank\" class=\"f16\">(.*?)</a> </div>",
                    {{"<em>"}, {"</span>"}, {"<span style=\"color:#C03\">"}},
                    "href=\"/f/(.*?)\"",
                    s.sina_base + "/f/",
                    "大小:(.*?)共享"};
        case Source::hotfile:
            return {"获得(.*?) 条结果",
                    false,
                    "class=\"s\">(.*?)</b><br><span",
                    {{"[<em>"},
                     {". 選擇下載方式: 下載型態: 免费, 高级会员. 下載速度: 限制,"},
                     {"無限制的 "},
                     {"最大同時下載數目: 1"},
                     {"<b>..."}},
                    "<a href=\"" + s.link_hotfile + "(.*?)\" target=_blank",
                    s.link_hotfile,
                    "class=\"s\">(.*?)</b><br><span"};
        case Source::bt:
            return {baidu_hits,
                    true,
                    baidu_title,
                    {{"<em>"}, {"</em>"}},
                    "href=\"" + s.link_bt + "(.*?)\" target=\"_blank\">",
                    s.link_bt,
                    nullptr};
        case Source::portal:
            break;
    }
    return {};
}

int32_t count_of(Text capture) {
    capture = text_replace(capture, ",", "");
    capture = text_replace(capture, "约", "");
    return text_to_int(capture);
}

void fill_rows(PageReading& r, const std::vector<Text>& titles, const std::vector<Text>& sizes,
               const std::vector<Text>& links) {
    r.titles = titles.size();
    r.sizes = sizes.size();
    r.links = links.size();
    const size_t n = std::min({titles.size(), sizes.size(), links.size()});
    for (size_t i = 0; i < n; ++i) r.rows.push_back({titles[i], sizes[i], links[i]});
}

PageReading read_portal(const std::string& body) {
    const Text page = codepage::utf8_to_gbk(body);
    const Text clean = remove_all(page, {{"<b>"}, {"</b>"}, {"\r\n"}, {"此资源暂无描述。"}});
    PageReading r;
    fill_rows(r, groups("<div class=\"introtext\">(.*?)</div>", clean),
              groups("div>大小：(.*?)时间：", page),
              groups("<span><a href=\"(.*?)\" target='_blank' onclick=", page));
    return r;
}

}  // namespace

PageReading read_page(Source source, const std::string& body, const Sites& sites,
                      bool keep_cached_links) {
    if (source == Source::portal) return read_portal(body);

    const bool browser = source == Source::xun6 || source == Source::hotfile;
    Text page = browser ? codepage::utf8_to_gbk(body) : bytes_to_text(body);
    if (!browser && source != Source::bt && !keep_cached_links)
        page = text_replace(page, sites.cache_prefix, "", 1, -1, false);
    const TextList segments = text_split(page, "咨询热线：");

    const EngineReader reader = engine_reader(source, sites);
    PageReading r;
    r.segments = browser ? 0 : segments.size();
    r.nothing_found = first_group("找不到(.*?)查询", page) == "和您的";
    r.hits = count_of(first_group(reader.hit_pattern, page));

    const Text& rows_text =
        reader.rows_in_segment_2 ? (segments.size() > 1 ? segments[1] : Text()) : page;
    std::vector<Text> titles = groups(reader.title_pattern, rows_text);
    for (Text& t : titles) t = remove_all(t, reader.title_removals);
    std::vector<Text> links = groups(reader.link_pattern, rows_text);
    for (Text& l : links) l = reader.link_prefix + l;
    std::vector<Text> sizes;
    if (reader.size_pattern) {
        sizes = groups(reader.size_pattern, page);
        for (Text& s : sizes) s = remove_all(s, {{"<em>"}, {"</em>"}, {" |"}});
    } else {
        sizes.assign(titles.size(), Text());  // BT rows have no size column
    }
    fill_rows(r, titles, sizes, links);
    if (!reader.size_pattern) r.sizes = 0;
    return r;
}

}  // namespace tumbrix::simweb::testing
