#pragma once
// The simulated web: one HTTP server on 127.0.0.1 that stands in for every
// service Tumbrix talks to (see search_query.h for the search routes):
//   /notice            the start-up notice (settings piece, adverts)
//   /ad/web /ad/popup  the web advert and popup pages
//   /ad/pic1.png ...   the picture adverts;  /ad/go/...  advert targets
//   /f/... /115/... /namipan/... /rayfile/... /xun6/... /hotfile/... /bt/...
//   /qiannao/...       pages that result links lead to;  /  an index
// It keeps a log of the requests it answered, gives each new visitor a
// cookie and counts the visits of those that bring it back.
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tools/simweb/sites.h"

namespace tumbrix::simweb {

struct LoggedRequest {
    std::string method;
    std::string target;  // path and query exactly as received
    std::vector<std::pair<std::string, std::string>> headers;
    std::string cookies;           // the Cookie header, empty when none came
    bool cookie_returned = false;  // it carried a visitor cookie this server had set
    int visitor = 0;               // the visitor the request was counted for
    int visit = 0;                 // that visitor's visit number, 1 for the first
    int status = 0;

    // The first header of that name (ASCII case ignored), empty when none.
    std::string header(const std::string& name) const;
};

inline constexpr const char* kVisitorCookie = "simweb_visitor";

class Server {
  public:
    // When `sites.self_base` is empty the server's own base() takes its place.
    explicit Server(Sites sites);
    ~Server();  // stops the server
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Listens on 127.0.0.1:port (0 picks a free port) and serves on a thread
    // of its own. Returns the port, or -1 when it cannot listen or has been
    // stopped (a stopped server does not start again).
    int start(int port = 0);
    // Stops serving and waits for the server's threads; answers held back by
    // a page delay are cut short. Safe to call more than once.
    void stop();
    int port() const;
    std::string base() const;  // "http://127.0.0.1:<port>"

    // Result pages are answered only after this long (0 by default), so that
    // a client can be seen waiting.
    void set_page_delay(std::chrono::milliseconds delay);
    // Called for every answered request, on a server thread. Set it before start.
    void on_request(std::function<void(const LoggedRequest&)> listener);
    // Called as soon as a request arrives, before any page delay, on a server
    // thread, with its path and query as received: a client can be caught
    // while it waits. Set it before start.
    void on_arrival(std::function<void(const std::string& target)> listener);

    // The most recent requests (at most 10000), oldest first.
    std::vector<LoggedRequest> request_log() const;
    void clear_log();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace tumbrix::simweb
