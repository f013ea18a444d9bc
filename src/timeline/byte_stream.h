#pragma once
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace sw4 {

// Plain values and texts one after another in a byte string, read back in the same order.
class ByteWriter {
 public:
  template <class T>
  void put(const T& v) {
    static_assert(std::is_trivially_copyable_v<T>);
    bytes_.append(reinterpret_cast<const char*>(&v), sizeof v);
  }
  void putText(std::string_view t) {
    put(t.size());
    bytes_.append(t);
  }
  void putRaw(const void* p, std::size_t n) {
    if (n > 0) bytes_.append(static_cast<const char*>(p), n);
  }
  std::string& bytes() { return bytes_; }

 private:
  std::string bytes_;
};

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}
  template <class T>
  void get(T& v) {
    static_assert(std::is_trivially_copyable_v<T>);
    getRaw(&v, sizeof v);
  }
  std::string getText() {
    std::size_t n = 0;
    get(n);
    if (n > bytes_.size() - at_) n = bytes_.size() - at_;
    std::string t(bytes_.substr(at_, n));
    at_ += n;
    return t;
  }
  // Past the end, what is missing reads as zero bytes.
  void getRaw(void* p, std::size_t n) {
    if (n == 0) return;  // p may be null then (an empty drawing)
    const std::size_t have = std::min(n, bytes_.size() - at_);
    std::memcpy(p, bytes_.data() + at_, have);
    std::memset(static_cast<char*>(p) + have, 0, n - have);
    at_ += have;
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

}  // namespace sw4
