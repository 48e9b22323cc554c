#include "tools/simweb/sites.h"

#include "tumbrix/endpoints.h"

namespace tumbrix::simweb {

Sites sites_of_this_build() {
    namespace ep = tumbrix::endpoints;
    Sites s;
    s.domain_115 = ep::kDomain115;
    s.domain_namipan = ep::kDomainNamipan;
    s.domain_rayfile = ep::kDomainRayfile;
    s.domain_xun6 = ep::kDomainXun6;
    s.domain_hotfile = ep::kDomainHotfile;
    s.domain_bt = ep::kDomainBt;
    s.cache_prefix = ep::kCachePrefix;
    s.link_115 = ep::kLink115;
    s.link_rayfile = ep::kLinkRayfile;
    s.link_hotfile = ep::kLinkHotfile;
    s.link_bt = ep::kLinkBt;
    s.sina_base = ep::kSinaBase;
    return s;
}

Text link_under(const std::string& prefix, const std::string& path) {
    if (!prefix.empty() && prefix.back() == '/') return prefix + path;
    return prefix + ".invalid/" + path;
}

Text share_link(const Sites& sites, const std::string& site, const std::string& path) {
    if (!sites.self_base.empty()) return sites.self_base + "/" + site + "/" + path;
    return "http://" + site + ".invalid/" + path;
}

}  // namespace tumbrix::simweb
