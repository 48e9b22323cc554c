// Baidu result pages (GBK) for 115网盘, 纳米盘, RayFile and the BT site.
#include <string>

#include "tools/simweb/results_page.h"

namespace tumbrix::simweb {
namespace {

Text without_scheme(const Text& link) {
    const size_t at = link.find("://");
    return at == Text::npos ? link : link.substr(at + 3);
}

// The cached-copy link of a result. Its `target="_blank" class="m">` starts no
// title match, but its href begins with "http://": left in the page it would
// be the first half of a Namipan link match, which is why Tumbrix removes the
// cached-copy prefix before reading a Baidu page.
Text cache_link(const Sites& sites, const Item& it, int32_t n) {
    return " - <a href=\"" + link_under(sites.cache_prefix, "c?m=" + it.id) +
           "&amp;p=" + std::to_string(n) + "\" target=\"_blank\" class=\"m\">百度快照</a>";
}

struct Written {
    Text markup;
    ServedRow row;
};

Written result(Source source, const Sites& sites, const Item& it, int32_t n) {
    Text h3, abstract, link;
    ServedRow row{it.name(), it.size, {}};
    switch (source) {
        case Source::s115:
            link = link_under(sites.link_115, "file/" + it.id);
            h3 = it.marked("<em>", "</em>") + "- 115网络U盘-我的网盘|免费网络硬盘";
            abstract = it.name() + " 文件大小：" + it.size + " 提取码：" + it.id.substr(0, 4) +
                       " 上传时间：" + it.date;
            break;
        case Source::namipan:
            link = share_link(sites, "namipan", "d/" + it.id);
            h3 = it.marked("<em>", "</em>") + " 文件下载 纳米盘-免费网络硬盘";
            abstract = it.name() + " 文件大小：" + it.size + " |举报 上传于 " + it.date;
            break;
        case Source::rayfile:
            link = link_under(sites.link_rayfile, "zh-cn/files/" + it.id + "/");
            h3 = "RayFile | " + it.marked("<em>", "</em>");
            abstract = it.name() + " 大小 " + it.size + " 上传时间 " + it.date;
            break;
        default:  // the BT site: titles and links only
            link = link_under(sites.link_bt, "torrent/" + it.id + ".html");
            h3 = it.marked("<em>", "</em>");
            abstract = "种子 " + it.name() + " 收录于 " + it.date + " 热度 " +
                       std::to_string(it.downloads);
            row.size.clear();
            break;
    }
    row.link = link;
    Written w;
    w.markup = "<table cellpadding=\"0\" cellspacing=\"0\" class=\"result\" id=\"" +
               std::to_string(n) + "\"><tr><td class=\"f\">\n<h3 class=\"t\"><a href=\"" + link +
               "\" target=\"_blank\">" + h3 + "</a></h3>\n<font size=\"-1\">" + abstract +
               "<br>\n<span class=\"g\">" + without_scheme(link) + " " + it.date + "</span>" +
               cache_link(sites, it, n) + "<br></font></td></tr></table>\n";
    w.row = std::move(row);
    return w;
}

Text echo(const SearchQuery& q, const Sites& sites) {
    const Text kw = escape_text(q.keyword);
    switch (q.source) {
        case Source::s115:
            return "site:(" + sites.domain_115 + ")" + kw;
        case Source::namipan:
            return "site:(" + sites.domain_namipan + ")" + kw;
        case Source::rayfile:
            return "site:(" + sites.domain_rayfile + ")" + kw;
        default:
            return kw;
    }
}

}  // namespace

ServedPage baidu_page(const SearchQuery& query, const Sites& sites) {
    ServedPage page;
    page.content_type = "text/html; charset=GBK";
    page.hits = hit_count(query.keyword, query.source);
    const Text shown = echo(query, sites);

    Text body =
        "<!DOCTYPE html>\n<html><head><meta http-equiv=\"content-type\" "
        "content=\"text/html;charset=gbk\"><title>百度搜索_" +
        shown +
        "</title></head>\n<body>\n<div id=\"head\"><b>百度</b> 新闻 网页 贴吧 知道 MP3 "
        "图片 视频 <span class=\"sim\">（Tumbrix 模拟网络）</span></div>\n";
    if (page.hits == 0) {
        // The phrase Tumbrix's nothing-found test reads, as on Google's page.
        body += "<div class=\"nors\"><p>抱歉，找不到和您的查询“<em>" + shown +
                "</em>”相符的网页。</p><p>建议：请检查输入字词有无错误，或换用较常见的字词。"
                "</p></div>\n";
    } else {
        body += "<div class=\"nums\">百度为您找到相关结果约" + grouped_number(page.hits) +
                "个</div>\n<table id=\"ec_pp\"><tr><td>推广链接 网盘会员特惠 咨询热线："
                "400-800-0000</td></tr></table>\n<div id=\"content_left\">\n";
        int32_t n = query.first;
        for (const Item& it : page_items(query, page.hits)) {
            Written w = result(query.source, sites, it, ++n);
            body += w.markup;
            page.rows.push_back(std::move(w.row));
        }
        body +=
            "</div>\n<div id=\"ec_im\">推广 企业网盘 咨询热线：400-800-1111</div>\n<p "
            "id=\"page\">第 " +
            std::to_string(query.first / kRowsPerPage + 1) + " 页</p>\n";
    }
    body += "<div id=\"ft\">&copy;2010 Baidu（模拟）</div>\n</body></html>\n";
    page.body = std::move(body);
    return page;
}

}  // namespace tumbrix::simweb
