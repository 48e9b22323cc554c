// Tazhao portal result pages (UTF-8).
#include <string>

#include "platform/codepage.h"
#include "tools/simweb/results_page.h"

namespace tumbrix::simweb {

ServedPage portal_page(const SearchQuery& query, const Sites& sites) {
    ServedPage page;
    page.content_type = "text/html; charset=UTF-8";
    page.hits = hit_count(query.keyword, query.source);
    const Text kw = escape_text(query.keyword);

    Text body = "<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\"><title>" + kw +
                " - 千脑搜索</title></head>\r\n<body>\r\n<div class=\"top\">千脑 文件搜索 "
                "<span class=\"sim\">（Tumbrix 模拟网络）</span></div>\r\n";
    if (page.hits == 0) {
        body += "<div class=\"none\">没有找到与“" + kw + "”相关的文件。</div>\r\n";
    } else {
        body += "<div class=\"count\">共找到 " + grouped_number(page.hits) +
                " 个文件</div>\r\n<div class=\"list\">\r\n";
        int32_t n = query.first;
        for (const Item& it : page_items(query, page.hits)) {
            // Every seventh result has no description of its own: the portal
            // then shows its notice, which Tumbrix drops.
            const bool described = ++n % 7 != 0;
            const Text intro = described ? it.marked("<b>", "</b>") + "\r\n" : "此资源暂无描述。";
            const Text link = share_link(sites, "qiannao", "file/" + it.id);
            body += "<div class=\"item\">\r\n<div class=\"introtext\">" + intro +
                    "</div>\r\n<div class=\"info\"><div>大小：" + it.size + "时间：" + it.date +
                    "</div></div>\r\n<span><a href=\"" + link +
                    "\" target='_blank' onclick=\"hit('" + it.id +
                    "')\">下载</a></span>\r\n</div>\r\n";
            page.rows.push_back({described ? it.name() : Text(), it.size, link});
        }
        body += "</div>\r\n<div class=\"pages\">第 " +
                std::to_string(query.first / kRowsPerPage + 1) + " 页</div>\r\n";
    }
    body += "</body></html>\r\n";
    page.body = codepage::gbk_to_utf8(body);
    return page;
}

}  // namespace tumbrix::simweb
