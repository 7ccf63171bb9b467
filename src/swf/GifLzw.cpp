#include "swf/GifLzw.h"

#include "swf/Error.h"

#include <array>
#include <memory>

namespace swf {
namespace {

constexpr int MaxCodeBits = 12;
constexpr uint32_t TableSize = 1u << MaxCodeBits;

class CodeReader {
public:
    explicit CodeReader(std::span<const uint8_t> data) : data_(data) {}

    // False at the end of the data.
    bool Next(int bits, uint32_t& code) {
        while (count_ < bits) {
            if (pos_ >= data_.size())
                return false;
            buffer_ |= uint32_t(data_[pos_++]) << count_;
            count_ += 8;
        }
        code = buffer_ & ((1u << bits) - 1);
        buffer_ >>= bits;
        count_ -= bits;
        return true;
    }

private:
    std::span<const uint8_t> data_;
    size_t pos_ = 0;
    uint32_t buffer_ = 0;
    int count_ = 0;
};

// The string table: each entry is an earlier entry plus one index.
class StringTable {
public:
    explicit StringTable(int minCodeSize) : clear_(1u << minCodeSize), minCodeSize_(minCodeSize) { Reset(); }

    uint32_t Clear() const { return clear_; }
    uint32_t End() const { return clear_ + 1; }
    uint32_t Next() const { return next_; }
    int CodeBits() const { return bits_; }

    void Reset() {
        next_ = clear_ + 2;
        bits_ = minCodeSize_ + 1;
    }

    // Appends the string of `code` to `out` (up to `limit`), with `extra`
    // after it when not negative; returns the string's first index.
    uint8_t Emit(uint32_t code, int extra, std::vector<uint8_t>& out, size_t limit) {
        size_t depth = 0;
        while (code >= clear_) {
            stack_[depth++] = suffix_[code];
            code = prefix_[code];
        }
        auto first = uint8_t(code);
        stack_[depth++] = first;
        while (depth > 0 && out.size() < limit)
            out.push_back(stack_[--depth]);
        if (extra >= 0 && out.size() < limit)
            out.push_back(uint8_t(extra));
        return first;
    }

    void Add(uint32_t prefix, uint8_t suffix) {
        if (next_ >= TableSize)
            return;
        prefix_[next_] = uint16_t(prefix);
        suffix_[next_] = suffix;
        if (++next_ == (1u << bits_) && bits_ < MaxCodeBits)
            ++bits_;
    }

    uint8_t FirstOf(uint32_t code) const {
        while (code >= clear_)
            code = prefix_[code];
        return uint8_t(code);
    }

private:
    uint32_t clear_;
    int minCodeSize_;
    uint32_t next_ = 0;
    int bits_ = 0;
    std::array<uint16_t, TableSize> prefix_{};
    std::array<uint8_t, TableSize> suffix_{};
    std::array<uint8_t, TableSize + 1> stack_{};
};

void CheckCodeSize(int minCodeSize) {
    if (minCodeSize < 2 || minCodeSize > 8)
        ThrowDamaged("GIF image has a code size out of range");
}

[[noreturn]] void ThrowUndefinedCode() { ThrowDamaged("GIF image data uses a code that is not defined"); }

} // namespace

std::vector<uint8_t> DecodeGifLzw(std::span<const uint8_t> data, int minCodeSize, size_t limit) {
    CheckCodeSize(minCodeSize);
    auto table = std::make_unique<StringTable>(minCodeSize);
    CodeReader in(data);
    std::vector<uint8_t> out;
    const uint32_t none = TableSize;
    uint32_t previous = none, code = 0;
    while (out.size() < limit && in.Next(table->CodeBits(), code)) {
        if (code == table->Clear()) {
            table->Reset();
            previous = none;
        } else if (code == table->End()) {
            break;
        } else if (previous == none) {
            if (code > table->Clear())
                ThrowUndefinedCode();
            table->Emit(code, -1, out, limit);
            previous = code;
        } else if (code < table->Next()) {
            table->Add(previous, table->Emit(code, -1, out, limit));
            previous = code;
        } else if (code == table->Next()) {
            // The code being defined right now: the previous string and its
            // own first index.
            uint8_t first = table->FirstOf(previous);
            table->Emit(previous, first, out, limit);
            table->Add(previous, first);
            previous = code;
        } else {
            ThrowUndefinedCode();
        }
    }
    return out;
}

std::vector<uint8_t> DecodeGifLzwReference(std::span<const uint8_t> data, int minCodeSize, size_t limit) {
    CheckCodeSize(minCodeSize);
    const uint32_t clear = 1u << minCodeSize, end = clear + 1;
    std::vector<std::vector<uint8_t>> table; // the clear and end entries are placeholders
    int bits = 0;
    auto reset = [&] {
        table.clear();
        for (uint32_t i = 0; i < end + 1; ++i)
            table.push_back({uint8_t(i)});
        bits = minCodeSize + 1;
    };
    size_t bit = 0;
    auto read = [&](uint32_t& code) {
        if (bit + size_t(bits) > data.size() * 8)
            return false;
        code = 0;
        for (int i = 0; i < bits; ++i, ++bit)
            code |= uint32_t(data[bit / 8] >> (bit % 8) & 1) << i;
        return true;
    };
    reset();
    std::vector<uint8_t> out, previous;
    uint32_t code = 0;
    while (out.size() < limit && read(code)) {
        if (code == clear) {
            reset();
            previous.clear();
            continue;
        }
        if (code == end)
            break;
        std::vector<uint8_t> entry;
        if (code < table.size())
            entry = table[code];
        else if (code == table.size() && !previous.empty())
            entry = previous, entry.push_back(previous[0]);
        else
            ThrowUndefinedCode();
        if (!previous.empty() && table.size() < TableSize) {
            table.push_back(previous);
            table.back().push_back(entry[0]);
        }
        for (size_t i = 0; i < entry.size() && out.size() < limit; ++i)
            out.push_back(entry[i]);
        previous = entry;
        if (table.size() == (1u << bits) && bits < MaxCodeBits)
            ++bits;
    }
    return out;
}

} // namespace swf
