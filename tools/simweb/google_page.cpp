// Google result pages for 訊6 and Hotfile. Tumbrix reads them through its
// browser box, that is as Chromium writes the document back
// (document.documentElement.outerHTML), so the markup is written the way that
// serialisation prints it: lower-case tags, double-quoted attributes, "&amp;"
// in attribute values. Served as UTF-8, as Google serves them.
#include <string>

#include "platform/codepage.h"
#include "tools/simweb/results_page.h"

namespace tumbrix::simweb {
namespace {

constexpr const char* kHotfileTerms =
    ". 選擇下載方式: 下載型態: 免费, 高级会员. 下載速度: 限制,無限制的 最大同時下載數目: 1";

Text without_scheme(const Text& link) {
    const size_t at = link.find("://");
    return at == Text::npos ? link : link.substr(at + 3);
}

Text xun6_result(const Sites& sites, const Item& it, ServedRow& row) {
    const Text link = share_link(sites, "xun6", "file/" + it.id + ".html");
    row = {it.name(), it.size, link};
    // The link reader takes what stands between "u=" and the next "&amp": the
    // page holds no other "u=".
    return "<li class=\"g\"><h3 class=\"r\"><a href=\"/url?sa=t&amp;u=" + link +
           "&amp;ei=sim\" class=\"l\">訊6 - " + it.marked("<em>", "</em>") +
           "下載文件</a></h3>\n<div class=\"s\">" + it.name() + " 文件大小: " + it.size +
           ". 下載次數: " + std::to_string(it.downloads) + ". 上傳日期: " + it.date + "<br><cite>" +
           without_scheme(link) + "</cite></div></li>\n";
}

Text hotfile_result(const Sites& sites, const Item& it, ServedRow& row) {
    const Text link = link_under(sites.link_hotfile, "dl/" + it.id + "/sim/" + it.id + ".html");
    const Text snippet = it.name() + kHotfileTerms + "<b>...";
    row = {it.name(), snippet, link};
    // Chromium writes every attribute back quoted, so the unquoted
    // `target=_blank` the Hotfile link reader looks for can only come through
    // in a comment, which is written back exactly as it stands. The visible
    // link names its class first so that it never reads as `<a href="`.
    return "<li class=\"g\"><h3 class=\"r\"><a class=\"l\" href=\"" + link +
           "\" target=\"_blank\">" + it.marked("<em>", "</em>") +
           " - Hotfile.com</a></h3><!--<a href=\"" + link +
           "\" target=_blank>-->\n<div class=\"s\">" + snippet +
           "</b><br><span class=\"f\"><cite>" + without_scheme(link) + "</cite> - " + it.size +
           "</span></div></li>\n";
}

}  // namespace

ServedPage google_page(const SearchQuery& query, const Sites& sites) {
    ServedPage page;
    page.content_type = "text/html; charset=UTF-8";
    page.hits = hit_count(query.keyword, query.source);
    const Text domain = query.source == Source::xun6 ? sites.domain_xun6 : sites.domain_hotfile;
    const Text shown = "\"" + escape_text(query.keyword) + "\" site:" + domain;

    Text body = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + shown +
                " - Google 搜索</title></head>\n<body>\n<div id=\"gbar\"><b>网页</b> 图片 视频 "
                "地图 新闻 <span class=\"sim\">（Tumbrix 模拟网络）</span></div>\n";
    if (page.hits == 0) {
        body += "<div id=\"res\"><p>找不到和您的查询 - <b>" + shown +
                "</b> - 相符的网页。</p><p>建议：请检查输入字词有无错误。</p></div>\n";
    } else {
        body += "<div id=\"resultStats\">获得约 " + grouped_number(page.hits) +
                " 条结果<nobr>（用时 0.12 秒）</nobr></div>\n<div id=\"ires\"><ol>\n";
        for (const Item& it : page_items(query, page.hits)) {
            ServedRow row;
            body += query.source == Source::xun6 ? xun6_result(sites, it, row)
                                                 : hotfile_result(sites, it, row);
            page.rows.push_back(std::move(row));
        }
        body += "</ol></div>\n<div id=\"foot\">第 " +
                std::to_string(query.first / kRowsPerPage + 1) + " 页</div>\n";
    }
    // Nothing after </html>: Chromium would move it into the body.
    body += "</body></html>";
    page.body = codepage::gbk_to_utf8(body);
    return page;
}

}  // namespace tumbrix::simweb
