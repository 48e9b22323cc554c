#include "sources/engine_sources.h"

#include <tumbrix/endpoints.h>

namespace tumbrix {
namespace {

namespace ep = endpoints;

const char* const kBaiduTitle = "target=\"_blank\">(.*?)</a></h3>";
const char* const kBaiduHits = "找到相关结果(.*?)个";
const char* const kGoogleHits = "获得(.*?) 条结果";

std::vector<EngineSource> make_sources() {
    return {
        {2,
         false,
         kBaiduHits,
         kBaiduTitle,
         {{"<em>"}, {"</em>"}, {"- 115网络U盘-我的网盘|免费网络硬盘", true}},
         // The prefix goes into the pattern as it is: its dots match any byte.
         Text("href=\"") + ep::kLink115 + "(.*?)\" target=\"_blank\">",
         ep::kLink115,
         "文件大小：(.*?) 提取码"},
        {3,
         true,
         kBaiduHits,
         kBaiduTitle,
         {{"<em>"}, {"</em>"}, {" 文件下载 纳米盘-免费网络硬盘"}},
         "href=\"http://(.*?)\" target=\"_blank\">",
         "http://",
         "文件大小：(.*?)举报"},
        {4,
         false,
         kGoogleHits,
         "訊6 - (.*?)文件",
         {{"<em>"}, {"</em>"}, {"下載"}},
         "u=(.*?)&amp",
         "",
         "文件大小: (.*?). 下載次數"},
        {5,
         true,
         kBaiduHits,
         kBaiduTitle,
         {{"<em>"}, {"</em>"}, {"RayFile | "}},
         Text("href=\"") + ep::kLinkRayfile + "(.*?)\" target=\"_blank\">",
         ep::kLinkRayfile,
         "大小 (.*?) 上传时间"},
        {6,
         false,
         "共找到相关资料<span class=\"c3\">(.*?)</span>项</td>",
         "target=\"_blank\" class=\"f16\">(.*?)</a> </div>",
         {{"<em>"}, {"</span>"}, {"<span style=\"color:#C03\">"}},
         "href=\"/f/(.*?)\"",
         Text(ep::kSinaBase) + "/f/",
         "大小:(.*?)共享"},
        {7,
         false,
         kGoogleHits,
         "class=\"s\">(.*?)</b><br><span",
         {{"[<em>"},
          {". 選擇下載方式: 下載型態: 免费, 高级会员. 下載速度: 限制,"},
          {"無限制的 "},
          {"最大同時下載數目: 1"},
          {"<b>..."}},
         Text("<a href=\"") + ep::kLinkHotfile + "(.*?)\" target=_blank",
         ep::kLinkHotfile,
         // The snippet again: column 1 shows it as the size.
         "class=\"s\">(.*?)</b><br><span"},
    };
}

}  // namespace

const EngineSource* engine_source(int32_t source) {
    static const std::vector<EngineSource> sources = make_sources();
    for (const EngineSource& s : sources)
        if (s.id == source) return &s;
    return nullptr;
}

}  // namespace tumbrix
