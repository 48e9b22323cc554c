# Every host, sharing-site domain and link prefix Tumbrix talks to is a build
# constant. The defaults are the services' well-known public addresses; where a
# service has none we know of, a name under .invalid that nobody can own.
# A demo build points all of them at the simulated web on loopback.
macro(tumbrix_endpoint name default doc)
  set(${name} "${default}" CACHE STRING "${doc}")
endmacro()

tumbrix_endpoint(TUMBRIX_BAIDU_BASE     "http://www.baidu.com"          "Baidu web search (sources 2, 3, 5 and BT mode)")
tumbrix_endpoint(TUMBRIX_GOOGLE_BASE    "http://www.google.com.hk"      "Google web search, Hong Kong site (sources 4 and 7)")
tumbrix_endpoint(TUMBRIX_SINA_BASE      "http://ishare.iask.sina.com.cn" "Sina iAsk share search (source 6)")
tumbrix_endpoint(TUMBRIX_PORTAL_BASE    "http://tazhao.invalid"         "Tazhao file-share portal (source 1)")
tumbrix_endpoint(TUMBRIX_DOMAIN_115     "u.115.com"                     "115 share-link domain for Baidu's site: filter")
tumbrix_endpoint(TUMBRIX_DOMAIN_NAMIPAN "namipan.com"                   "Namipan domain")
tumbrix_endpoint(TUMBRIX_DOMAIN_RAYFILE "rayfile.com"                   "RayFile domain")
tumbrix_endpoint(TUMBRIX_DOMAIN_XUN6    "xun6.com"                      "Xun6 domain")
tumbrix_endpoint(TUMBRIX_DOMAIN_HOTFILE "hotfile.com"                   "Hotfile domain")
tumbrix_endpoint(TUMBRIX_DOMAIN_BT      "btsite.invalid"                "BT site domain for Baidu's si= parameter")
tumbrix_endpoint(TUMBRIX_EI_XUN6        "TbXun6ei0a1b2c3d4e5f6g"        "Google ei= token of source 4 (22 letters and digits)")
tumbrix_endpoint(TUMBRIX_EI_HOTFILE     "TbHotei9z8y7x6w5v4u3t2"        "Google ei= token of source 7 (22 letters and digits)")
tumbrix_endpoint(TUMBRIX_CACHE_PREFIX   "http://cache.baidu"            "Cached-copy link prefix removed from engine pages")
tumbrix_endpoint(TUMBRIX_LINK_115       "http://u.115"                  "Leading part of 115 share links (L2)")
tumbrix_endpoint(TUMBRIX_LINK_RAYFILE   "http://www.rayfile.com/"       "RayFile root address (L5)")
tumbrix_endpoint(TUMBRIX_LINK_HOTFILE   "http://hotfile.com/"           "Hotfile root address (L7)")
tumbrix_endpoint(TUMBRIX_LINK_BT        "http://btsite"                 "Leading part of BT site links")
tumbrix_endpoint(TUMBRIX_NOTICE_URL     ""                              "Start-up notice page; empty means no request and no adverts")
tumbrix_endpoint(TUMBRIX_AUTHOR_URL     "https://tumbrix.invalid/"      "The author's web page (toolbar button and about box)")

configure_file(${CMAKE_CURRENT_LIST_DIR}/endpoints.h.in
               ${CMAKE_BINARY_DIR}/generated/tumbrix/endpoints.h @ONLY)
add_library(tumbrix_endpoints INTERFACE)
target_include_directories(tumbrix_endpoints INTERFACE ${CMAKE_BINARY_DIR}/generated)
