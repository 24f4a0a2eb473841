#pragma once
// Little-endian field-by-field encoding of the program's fixed-layout records.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

using Bytes = std::vector<std::uint8_t>;

class ByteWriter {
public:
    explicit ByteWriter(Bytes& out) : out_(out) {}

    void u8(std::uint8_t v) { out_.push_back(v); }
    void u16(std::uint16_t v) {
        out_.push_back(static_cast<std::uint8_t>(v & 0xFF));
        out_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v & 0xFFFF));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    // A NUL-padded text field of exactly `width` bytes; at most width - 1 characters are kept
    // so the field always holds its terminating NUL.
    void fixedText(std::string_view text, std::size_t width) {
        std::size_t n = text.size() < width ? text.size() : (width ? width - 1 : 0);
        for (std::size_t i = 0; i < n; ++i) out_.push_back(static_cast<std::uint8_t>(text[i]));
        for (std::size_t i = n; i < width; ++i) out_.push_back(0);
    }
    void raw(const void* data, std::size_t size) {
        auto p = static_cast<const std::uint8_t*>(data);
        out_.insert(out_.end(), p, p + size);
    }

private:
    Bytes& out_;
};

// Reads from a bounded buffer. Reads past the end give zero and set the short flag, so a
// truncated record decodes with its missing fields zero and callers can tell it was short.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    explicit ByteReader(const Bytes& b) : ByteReader(b.data(), b.size()) {}

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return pos_ < size_ ? size_ - pos_ : 0; }
    bool exhausted() const { return pos_ >= size_; }
    bool wasShort() const { return short_; }

    std::uint8_t u8() {
        if (pos_ >= size_) {
            short_ = true;
            ++pos_;
            return 0;
        }
        return data_[pos_++];
    }
    std::uint16_t u16() {
        std::uint16_t lo = u8();
        std::uint16_t hi = u8();
        return static_cast<std::uint16_t>(lo | (hi << 8));
    }
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::uint32_t u32() {
        std::uint32_t lo = u16();
        std::uint32_t hi = u16();
        return lo | (hi << 16);
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    // A text field of `width` bytes; the text ends at the first NUL or at the field's end.
    std::string fixedText(std::size_t width) {
        std::string s;
        bool ended = false;
        for (std::size_t i = 0; i < width; ++i) {
            char c = static_cast<char>(u8());
            if (c == '\0') ended = true;
            if (!ended) s.push_back(c);
        }
        return s;
    }
    void skip(std::size_t n) {
        if (n > remaining()) short_ = true;
        pos_ += n;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    bool short_ = false;
};

}  // namespace qv
