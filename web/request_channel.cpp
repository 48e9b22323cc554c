#include "web/request_channel.h"

#include <cstdint>
#include <limits>

namespace tumbrix {

void RequestChannel::clear() {
    buffer_.clear();
    position_ = 0;
}

void RequestChannel::discard() {
    std::string().swap(buffer_);
    position_ = 0;
}

void RequestChannel::put(std::string_view bytes) {
    if (position_ == buffer_.size()) {
        buffer_.append(bytes);  // the usual case: writing at the end
    } else {
        const std::size_t end = position_ + bytes.size();
        if (buffer_.size() < end) buffer_.resize(end);
        buffer_.replace(position_, bytes.size(), bytes);
    }
    position_ += bytes.size();
}

void RequestChannel::write_text(std::string_view text) {
    put(text.substr(0, text.find('\0')));
    put(std::string_view("\0", 1));
}

namespace {

std::string little_endian_count(std::size_t size) {
    const auto count = static_cast<std::uint32_t>(size);
    return {static_cast<char>(count & 0xFF), static_cast<char>((count >> 8) & 0xFF),
            static_cast<char>((count >> 16) & 0xFF), static_cast<char>((count >> 24) & 0xFF)};
}

}  // namespace

bool RequestChannel::write_bytes(std::string_view bytes) {
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) return false;
    put(little_endian_count(bytes.size()));
    put(bytes);
    return true;
}

bool RequestChannel::write_owned_bytes(Bytes&& bytes) {
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) return false;
    if (position_ != buffer_.size()) return write_bytes(std::string_view(bytes));
    buffer_ += little_endian_count(bytes.size());
    bytes.insert(0, buffer_);
    buffer_ = std::move(bytes);
    position_ = buffer_.size();
    return true;
}

std::optional<Text> RequestChannel::read_text() {
    const std::size_t nul = buffer_.find('\0', position_);
    if (position_ >= buffer_.size() || nul == std::string::npos) return std::nullopt;
    Text text = buffer_.substr(position_, nul - position_);
    position_ = nul + 1;
    return text;
}

std::optional<std::uint32_t> RequestChannel::counted_size() const {
    if (buffer_.size() < 4 || position_ > buffer_.size() - 4) return std::nullopt;
    std::uint32_t count = 0;
    for (int i = 3; i >= 0; --i) {
        count = (count << 8) | static_cast<unsigned char>(buffer_[position_ + i]);
    }
    if (count > buffer_.size() - position_ - 4) return std::nullopt;
    return count;
}

std::optional<Bytes> RequestChannel::read_bytes() {
    const std::optional<std::uint32_t> count = counted_size();
    if (!count) return std::nullopt;
    Bytes bytes = buffer_.substr(position_ + 4, *count);
    position_ += 4 + *count;
    return bytes;
}

void RequestChannel::finish() {
    std::lock_guard lock(waker_mutex_);
    finished_.store(true, std::memory_order_release);
    if (waker_) waker_();
}

void RequestChannel::set_waker(std::function<void()> wake) {
    std::lock_guard lock(waker_mutex_);
    waker_ = std::move(wake);
}

void RequestChannel::release() {
    released_.store(true, std::memory_order_release);
    released_.notify_all();
}

void RequestChannel::clear_waker() {
    std::lock_guard lock(waker_mutex_);
    waker_ = nullptr;
}

}  // namespace tumbrix
