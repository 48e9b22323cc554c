#pragma once
// The in-memory byte stream that carries one request to its worker and the
// answer back, and the hand-over between the two threads.
//
// Values follow each other: a text as its bytes and one NUL byte, a byte
// string as a 32-bit little-endian count and the bytes. The request record is
// "Qelvorn", url, method, proxy, user name, password, extra headers, post data
// (all texts); the answer record is "Qelvorn_OK", the header block (a text)
// and the body (a byte string). Each record starts at position 0.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "text/text.h"

namespace tumbrix {

inline constexpr std::string_view kRequestMarker = "Qelvorn";
inline constexpr std::string_view kAnswerMarker = "Qelvorn_OK";

class RequestChannel {
  public:
    // The byte stream. The caller uses it before the worker starts and after
    // the worker has finished; the worker in between. No lock guards it.
    void rewind() { position_ = 0; }
    void clear();    // empties the stream and rewinds
    void discard();  // the same, and gives its memory back
    // Writes at the position, overwriting and growing as needed. A text ends at
    // its first NUL. A byte string longer than a 32-bit count can hold is refused.
    void write_text(std::string_view text);
    bool write_bytes(std::string_view bytes);
    // The same, taking over `bytes`' storage when they end the stream, so a
    // large body is not copied: what precedes it moves in front of it.
    bool write_owned_bytes(Bytes&& bytes);
    // nullopt when no whole value stands at the position; it then stays put.
    std::optional<Text> read_text();
    std::optional<Bytes> read_bytes();
    const std::string& contents() const { return buffer_; }

    // The hand-over, safe from either thread.
    // The worker's last act: marks it finished and wakes the caller.
    void finish();
    bool finished() const { return finished_.load(std::memory_order_acquire); }
    // The caller gives up; the worker abandons its exchange and ends.
    void abandon() { abandoned_.store(true, std::memory_order_release); }
    bool abandoned() const { return abandoned_.load(std::memory_order_acquire); }
    // `wake` runs when the worker finishes, on the worker's thread. A caller
    // sets it, then tests finished() before it sleeps, and clears it before it
    // stops waiting.
    void set_waker(std::function<void()> wake);
    void clear_waker();
    // The caller is done with the stream, read or not. The worker then frees
    // what the stream holds on its own thread: memory a thread allocated is
    // cheapest to give back from that thread.
    void release();
    void wait_released() const { released_.wait(false, std::memory_order_acquire); }

  private:
    void put(std::string_view bytes);
    // The count of the byte string at the position, when all of it is there.
    std::optional<std::uint32_t> counted_size() const;

    std::string buffer_;
    std::size_t position_ = 0;
    std::atomic<bool> finished_{false};
    std::atomic<bool> abandoned_{false};
    std::atomic<bool> released_{false};
    std::mutex waker_mutex_;
    std::function<void()> waker_;
};

}  // namespace tumbrix
