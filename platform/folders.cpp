#include "platform/folders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QStandardPaths>
#include <cerrno>
#include <mutex>
#include <system_error>

namespace tumbrix::folders {
namespace {

std::mutex g_mutex;
std::filesystem::path g_private_base;
std::filesystem::path g_documents;

std::filesystem::path platform_path(QStandardPaths::StandardLocation location) {
    const QString path = QStandardPaths::writableLocation(location);
    if (path.isEmpty()) return {};
    return std::filesystem::path(path.toStdString());
}

std::filesystem::path private_base() {
    {
        std::lock_guard lock(g_mutex);
        if (!g_private_base.empty()) return g_private_base;
    }
    return platform_path(QStandardPaths::GenericCacheLocation);
}

}  // namespace

std::optional<std::filesystem::path> private_folder() {
    const std::filesystem::path base = private_base();
    if (base.empty() || !base.is_absolute()) return std::nullopt;
    std::error_code error;
    std::filesystem::create_directories(base, error);
    const std::filesystem::path folder = base / "tumbrix";
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;

    // Checked through a descriptor opened without following a link, so what
    // is checked is what gets tightened.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    bool usable = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
    if (usable && (st.st_mode & 077) != 0) usable = ::fchmod(fd, 0700) == 0;
    ::close(fd);
    if (!usable) return std::nullopt;
    return folder;
}

std::filesystem::path documents_folder() {
    {
        std::lock_guard lock(g_mutex);
        if (!g_documents.empty()) return g_documents;
    }
    return platform_path(QStandardPaths::DocumentsLocation);
}

void override_folders_for_tests(const std::filesystem::path& private_base,
                                const std::filesystem::path& documents) {
    std::lock_guard lock(g_mutex);
    g_private_base = private_base;
    g_documents = documents;
}

}  // namespace tumbrix::folders
