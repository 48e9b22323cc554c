#include "tools/simweb/site_pages.h"

#include <utility>

#include "platform/codepage.h"
#include "text/text.h"
#include "tools/simweb/catalogue.h"

namespace tumbrix::simweb {
namespace {

// Pages are written in GBK like everything else here, then sent as UTF-8.
std::string utf8_page(const Text& title, const Text& style, const Text& body) {
    return codepage::gbk_to_utf8("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" +
                                 title + "</title><style>" + style + "</style></head>\n<body>" +
                                 body + "</body></html>\n");
}

}  // namespace

std::vector<std::string> notice_settings_lines(const std::string& base) {
    const std::string& b = base;
    return {
        "[总数]",     "次数=3",
        "[1]",        "广告=广告一：Tumbrix 模拟网络上线了|" + b + "/ad/go/1",
        "[2]",        "广告=广告二：本机模拟搜索，无需联网|" + b + "/ad/go/2",
        "[3]",        "广告=广告三：双击结果行打开链接|" + b + "/ad/go/3",
        "[图片总数]", "计数=2",
        "[图1]",      "图片广告=" + b + "/ad/pic1.png|" + b + "/ad/go/pic1|simweb_ad1.png",
        "[图2]",      "图片广告=" + b + "/ad/pic2.png|" + b + "/ad/go/pic2|simweb_ad2.png",
        "[网页]",     "网页广告=" + b + "/ad/web",
        "[弹窗]",     "弹窗广告=" + b + "/ad/popup",
        "[更新]",     "版本更新=2.3|" + b + "/update",
    };
}

std::string notice_page(const std::string& base) {
    const TextList settings = notice_settings_lines(base);
    // The blog shows each line on a line of its own; "$" is what ends a line
    // for the reader, which drops every "<br>" whatever its case.
    Text piece;
    for (size_t i = 0; i < settings.size(); ++i)
        piece += settings[i] + (i == 3 ? "<BR>" : "<br>") + (i + 1 < settings.size() ? "$" : "");
    return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">"
           "<title>网盘搜索器公告 - 模拟博客</title></head>\n<body>\n<div class=\"post\">"
           "<h2>网盘搜索器公告</h2>\n<p>这是 Tumbrix 模拟网络上的公告。软件启动时读取下面"
           "这段设置：</p>\n<p class=\"cfg\">qwe" +
           piece + "qwe</p>\n<p>发表于 2010-08-08</p></div>\n</body></html>\n";
}

std::string web_advert_page() {
    return utf8_page(
        "网页广告",
        "body{margin:0;background:linear-gradient(90deg,#2a8c4a,#7cc63a);color:#fff;"
        "font:bold 18px sans-serif}div{padding:24px 28px}",
        "<div>Tumbrix 模拟网络 · 网页广告 · 载入于 <span id=\"t\"></span></div>"
        "<script>document.getElementById('t').textContent=new Date().toLocaleTimeString()"
        "</script>");
}

std::string popup_page() {
    return utf8_page("弹窗广告", "body{font:16px sans-serif}",
                     "<p>Tumbrix 模拟网络的弹窗广告页面（这个浏览框从不显示）。</p>");
}

std::string landing_page(std::string_view what, std::string_view path) {
    const Text shown = escape_text(path);
    return utf8_page(Text(what), "body{font:16px sans-serif;margin:2em}",
                     "<h2>" + Text(what) + "</h2><p>这是 Tumbrix 模拟网络上的页面：<code>" + shown +
                         "</code></p><p>真实的服务需要联网，其中几个已经不存在了。</p>");
}

std::string index_page(const Sites& sites) {
    const std::pair<Text, Text> links[] = {
        {"/s?q=demo&p=0", "千脑（门户）"},
        {"/s?wd=site%3A%28" + sites.domain_115 + "%29demo&pn=0", "115网盘（百度）"},
        {"/s?wd=site%3A%28" + sites.domain_namipan + "%29demo&pn=0", "纳米盘（百度）"},
        {"/search?q=%22demo%22+site:" + sites.domain_xun6 + "&start=0", "訊6（Google）"},
        {"/s?wd=site%3A%28" + sites.domain_rayfile + "%29demo&pn=0", "RayFile（百度）"},
        {"/search.php?key=demo&page=0", "新浪爱问共享"},
        {"/search?q=%22demo%22+site:" + sites.domain_hotfile + "&start=0", "Hotfile（Google）"},
        {"/s?wd=demo&pn=0&si=" + sites.domain_bt, "BT 搜索（百度）"},
        {"/notice", "公告页面"},
        {"/ad/web", "网页广告"},
        {"/ad/pic1.png", "图片广告 1"},
        {"/ad/pic2.png", "图片广告 2"},
    };
    Text list;
    for (const auto& [path, label] : links)
        list +=
            "<li><a href=\"" + escape_text(sites.self_base + path) + "\">" + label + "</a></li>";
    return utf8_page("Tumbrix 模拟网络", "body{font:15px sans-serif;margin:2em}li{margin:.3em 0}",
                     "<h2>Tumbrix 模拟网络</h2><p>本机上代替 Tumbrix 所搜索的各个服务。</p><ul>" +
                         list +
                         "</ul><p>关键字 nothing 什么也找不到；含 hits 加数字的关键字（如 demo "
                         "hits50）找到那么多条结果；其余关键字找到 15 到 44 条。</p>");
}

}  // namespace tumbrix::simweb
