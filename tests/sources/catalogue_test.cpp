#include <gtest/gtest.h>

#include <tumbrix/endpoints.h>

#include "sources/catalogue.h"
#include "sources/search_state.h"
#include "support/fake_controls.h"

namespace tumbrix {
namespace {

namespace ep = endpoints;

class Catalogue : public ::testing::Test {
  protected:
    void SetUp() override {
        reset_search_state();
        controls.texts[Control::搜索框] = "a b&c";
    }
    testing::FakeControls controls;
};

TEST_F(Catalogue, EngineUrlsForTheFirstTwoPages) {
    const std::string k = "a%20b%26c";
    const std::string b = ep::kBaiduBase;
    const std::string g = ep::kGoogleBase;
    struct Case {
        int source;
        std::string first;
        std::string second;
    };
    const Case cases[] = {
        {2, b + "/s?wd=site%3A%28" + ep::kDomain115 + "%29" + k + "&pn=0&cl=1&tn=baiduadv",
         b + "/s?wd=site%3A%28" + ep::kDomain115 + "%29" + k + "&pn=10&cl=1&tn=baiduadv"},
        {3, b + "/s?wd=site%3A%28" + ep::kDomainNamipan + "%29" + k + "&pn=0&tn=baiduadv",
         b + "/s?wd=site%3A%28" + ep::kDomainNamipan + "%29" + k + "&pn=10&tn=baiduadv"},
        {4,
         g + "/search?q=%22" + k + "%22+site:" + ep::kDomainXun6 +
             "&hl=zh-CN&lr=&newwindow=1&safe=strict&biw=1440&bih=805&as_qdr=all&prmd=ivnsfd&ei=" +
             ep::kEiXun6 + "&start=0&sa=N",
         g + "/search?q=%22" + k + "%22+site:" + ep::kDomainXun6 +
             "&hl=zh-CN&lr=&newwindow=1&safe=strict&biw=1440&bih=805&as_qdr=all&prmd=ivnsfd&ei=" +
             ep::kEiXun6 + "&start=10&sa=N"},
        {5, b + "/s?wd=site%3A%28" + ep::kDomainRayfile + "%29" + k + "&pn=0&cl=0&tn=baiduadv",
         b + "/s?wd=site%3A%28" + ep::kDomainRayfile + "%29" + k + "&pn=10&cl=0&tn=baiduadv"},
        {6,
         std::string(ep::kSinaBase) +
             "/search.php?key=a b&c&classid=0&format=txt~doc~pdf~ppt~htm~rar~aud&order=&uid=&id=0"
             "&page=0",
         std::string(ep::kSinaBase) +
             "/search.php?key=a b&c&classid=0&format=txt~doc~pdf~ppt~htm~rar~aud&order=&uid=&id=0"
             "&page=1"},
        {7,
         g + "/search?q=%22" + k + "%22+site:" + ep::kDomainHotfile +
             "&hl=zh-CN&lr=&newwindow=1&safe=strict&as_qdr=all&prmd=ivnsb&ei=" + ep::kEiHotfile +
             "&start=0&sa=N",
         g + "/search?q=%22" + k + "%22+site:" + ep::kDomainHotfile +
             "&hl=zh-CN&lr=&newwindow=1&safe=strict&as_qdr=all&prmd=ivnsb&ei=" + ep::kEiHotfile +
             "&start=10&sa=N"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        search_state().current_source = c.source;
        search_state().engine_offset = -10;  // as a started search sets it
        EXPECT_EQ(build_engine_url(), c.first);
        EXPECT_EQ(build_engine_url(), c.second);
        EXPECT_EQ(search_state().engine_offset, 10);
    }
}

TEST_F(Catalogue, PortalAndBtUrls) {
    search_state().portal_offset = -10;
    EXPECT_EQ(build_portal_url(), std::string(ep::kPortalBase) + "/s?q=a%20b%26c&p=0");
    EXPECT_EQ(build_portal_url(), std::string(ep::kPortalBase) + "/s?q=a%20b%26c&p=10");
    search_state().bt_offset = -10;
    EXPECT_EQ(build_bt_url(),
              std::string(ep::kBaiduBase) +
                  "/s?wd=a%20b%26c&pn=0&cl=0&ct=2097152&tn=bds&si=" + ep::kDomainBt);
    EXPECT_EQ(search_state().bt_offset, 0);
}

TEST_F(Catalogue, SinaSendsTheGbkKeywordUnencoded) {
    controls.texts[Control::搜索框] = "网盘";
    search_state().current_source = 6;
    search_state().engine_offset = -10;
    const std::string url = build_engine_url();
    const std::string lead = std::string(ep::kSinaBase) + "/search.php?key=";
    ASSERT_EQ(url.compare(0, lead.size(), lead), 0);
    EXPECT_EQ(url.substr(lead.size(), 4), "\xCD\xF8\xC5\xCC");  // 网盘 in GBK
}

TEST_F(Catalogue, NonEngineSourceGivesNoUrlAndKeepsTheCounter) {
    for (int source : {0, 1, 8, -3}) {
        SCOPED_TRACE(source);
        search_state().current_source = source;
        search_state().engine_offset = 30;
        EXPECT_EQ(build_engine_url(), "");
        EXPECT_EQ(search_state().engine_offset, 30);
    }
}

}  // namespace
}  // namespace tumbrix
