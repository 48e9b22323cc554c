#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/codepage.h"

namespace tumbrix::files {
namespace {

// Closes a descriptor on every way out.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

Bytes read_whole_file(const std::filesystem::path& file) {
    // O_NONBLOCK keeps a FIFO from blocking the open; it is refused below.
    Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return {};
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    Bytes data;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return {};
        }
        data.append(buffer, static_cast<size_t>(n));
    }
    return data;
}

bool write_whole_file(const std::filesystem::path& file, std::string_view data) {
    Fd fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (fd.get() < 0) return false;
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd.get(), data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

bool entry_exists(const std::filesystem::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool is_plain_file_name(std::string_view gbk_name) {
    if (gbk_name.empty() || gbk_name == "." || gbk_name == "..") return false;
    if (gbk_name.find('\0') != std::string_view::npos) return false;
    if (gbk_name.find('/') != std::string_view::npos) return false;  // never a GBK trail byte
    if (text_find(gbk_name, "\\") != -1) return false;
    const std::string name = codepage::gbk_to_utf8(gbk_name);
    return name.size() <= 255 && name.find('/') == std::string::npos;
}

std::filesystem::path path_in(const std::filesystem::path& folder, std::string_view gbk_name) {
    return folder / codepage::gbk_to_utf8(gbk_name);
}

}  // namespace tumbrix::files
