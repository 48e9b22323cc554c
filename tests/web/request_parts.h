#pragma once
// A received request cut into its request line, header lines and body.
#include <string>
#include <vector>

namespace tumbrix::testing {

struct RequestParts {
    std::string request_line;
    std::vector<std::string> headers;
    std::string body;
};

inline RequestParts split_request(const std::string& request) {
    RequestParts parts;
    const std::size_t head_end = request.find("\r\n\r\n");
    const std::string head = request.substr(0, head_end);
    if (head_end != std::string::npos) parts.body = request.substr(head_end + 4);
    std::size_t start = 0;
    bool first = true;
    while (start <= head.size()) {
        std::size_t end = head.find("\r\n", start);
        if (end == std::string::npos) end = head.size();
        (first ? parts.request_line : parts.headers.emplace_back()) =
            head.substr(start, end - start);
        first = false;
        start = end + 2;
    }
    return parts;
}

// The value of the first header line named `name` (exact case), "" when none.
inline std::string header_value(const RequestParts& parts, const std::string& name) {
    for (const std::string& line : parts.headers) {
        if (line.starts_with(name + ": ")) return line.substr(name.size() + 2);
    }
    return {};
}

}  // namespace tumbrix::testing
