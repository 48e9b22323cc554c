#pragma once
// The names a build of Tumbrix searches with: the sharing-site domains it
// filters by, the link prefixes its link patterns begin with and the
// cached-copy prefix it removes. The simulated web recognises its routes by
// the domains and writes its links with the prefixes, so a page it serves
// reads the same way the real service's page did.
#include <string>

#include "text/text.h"

namespace tumbrix::simweb {

struct Sites {
    std::string domain_115;
    std::string domain_namipan;
    std::string domain_rayfile;
    std::string domain_xun6;
    std::string domain_hotfile;
    std::string domain_bt;
    std::string cache_prefix;
    std::string link_115;
    std::string link_rayfile;
    std::string link_hotfile;
    std::string link_bt;
    // Sina's links are relative; the reader puts the Sina base before them.
    std::string sina_base;
    // Where the simulated web itself is reached ("http://127.0.0.1:18080").
    // Share links, advert addresses and pictures point here; when empty the
    // server takes it from each request's Host header.
    std::string self_base;
};

// The names of the build this program was compiled in (its TUMBRIX_* values).
Sites sites_of_this_build();

// A link that begins with `prefix`: a root address ending in "/" is followed
// by the path; the leading part of a host name gets ".invalid/" first, so a
// link never names a real host that the simulated web did not make up.
Text link_under(const std::string& prefix, const std::string& path);

// A share page of `site` (a short word such as "namipan"): on the simulated
// web when self_base is known, else under the reserved ".invalid" domain.
Text share_link(const Sites& sites, const std::string& site, const std::string& path);

}  // namespace tumbrix::simweb
