// 新浪爱问共享 result pages (GBK): the keyword arrives as raw GBK bytes.
#include <string>

#include "tools/simweb/results_page.h"

namespace tumbrix::simweb {

ServedPage sina_page(const SearchQuery& query, const Sites& sites) {
    ServedPage page;
    page.content_type = "text/html; charset=GBK";
    page.hits = hit_count(query.keyword, query.source);
    const Text kw = escape_text(query.keyword);

    Text body =
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
        "charset=gbk\"><title>" +
        kw +
        " - 爱问共享资料</title></head>\n<body>\n<div class=\"top\">爱问共享资料 "
        "<span class=\"sim\">（Tumbrix 模拟网络）</span></div>\n";
    if (page.hits == 0) {
        // The phrase Tumbrix's nothing-found test reads, as on Google's page.
        body += "<div class=\"none\">对不起，找不到和您的查询“" + kw + "”相关的资料。</div>\n";
    } else {
        body += "<table class=\"tab\"><tr><td class=\"f14\">共找到相关资料<span class=\"c3\">" +
                grouped_number(page.hits) + "</span>项</td></tr></table>\n<div class=\"list\">\n";
        for (const Item& it : page_items(query, page.hits)) {
            const Text path = it.id + ".html";
            body += "<div class=\"item\"><div class=\"t\"><a href=\"/f/" + path +
                    "\" target=\"_blank\" class=\"f16\">" +
                    it.marked("<span style=\"color:#C03\">", "</span>") +
                    "</a> </div>\n<div class=\"d\">大小:" + it.size + " |共享时间:" + it.date +
                    " | 下载:" + std::to_string(it.downloads) + "次</div></div>\n";
            page.rows.push_back({it.name(), it.size, sites.sina_base + "/f/" + path});
        }
        body += "</div>\n<div class=\"pages\">第 " +
                std::to_string(query.first / kRowsPerPage + 1) + " 页</div>\n";
    }
    body += "</body></html>\n";
    page.body = std::move(body);
    return page;
}

}  // namespace tumbrix::simweb
