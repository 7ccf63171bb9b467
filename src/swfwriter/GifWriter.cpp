#include "swfwriter/GifWriter.h"

#include <algorithm>
#include <map>
#include <utility>

namespace swfw {
namespace {

class CodeWriter {
public:
    void Put(uint32_t code, int bits) {
        buffer_ |= code << count_;
        count_ += bits;
        for (; count_ >= 8; count_ -= 8, buffer_ >>= 8)
            out_.push_back(uint8_t(buffer_));
    }
    std::vector<uint8_t> Finish() {
        if (count_ > 0)
            out_.push_back(uint8_t(buffer_));
        return out_;
    }

private:
    std::vector<uint8_t> out_;
    uint32_t buffer_ = 0;
    int count_ = 0;
};

void Put16(std::vector<uint8_t>& out, int v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

// The colour table's size field: 2^(field + 1) entries.
uint8_t SizeField(size_t colors) {
    uint8_t field = 0;
    while ((size_t(2) << field) < colors)
        ++field;
    return field;
}

void PutColors(std::vector<uint8_t>& out, const std::vector<uint32_t>& colors) {
    for (uint32_t c : colors)
        out.insert(out.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
}

// Interlaced images store every 8th row from 0, every 8th from 4, every 4th
// from 2, then every 2nd from 1.
std::vector<uint8_t> StoredOrder(const GifImage& img) {
    if (!img.Interlaced)
        return img.Indices;
    std::vector<uint8_t> out;
    for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
        for (int y = start; y < img.Height; y += step)
            out.insert(out.end(), img.Indices.begin() + std::ptrdiff_t(y * img.Width),
                       img.Indices.begin() + std::ptrdiff_t((y + 1) * img.Width));
    return out;
}

} // namespace

std::vector<uint8_t> EncodeGifLzw(const std::vector<uint8_t>& indices, int minCodeSize) {
    const uint32_t clear = 1u << minCodeSize, end = clear + 1;
    std::map<std::pair<uint32_t, uint8_t>, uint32_t> table;
    uint32_t next = end + 1;
    int bits = minCodeSize + 1;
    CodeWriter out;
    out.Put(clear, bits);
    auto grow = [&] {
        if (++next > (1u << bits) && bits < 12)
            ++bits;
    };
    uint32_t current = indices.empty() ? 0 : indices[0];
    for (size_t i = 1; i < indices.size(); ++i) {
        auto key = std::make_pair(current, indices[i]);
        if (auto it = table.find(key); it != table.end()) {
            current = it->second;
            continue;
        }
        out.Put(current, bits);
        if (next < 4096) {
            table[key] = next;
            grow();
        } else {
            out.Put(clear, bits);
            table.clear();
            next = end + 1;
            bits = minCodeSize + 1;
        }
        current = indices[i];
    }
    if (!indices.empty()) {
        out.Put(current, bits);
        grow(); // the reader adds an entry for this code before it reads the end code
    }
    out.Put(end, bits);
    return out.Finish();
}

std::vector<uint8_t> EncodeGif(const GifImage& img) {
    std::vector<uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
    Put16(out, img.ScreenWidth);
    Put16(out, img.ScreenHeight);
    out.push_back(uint8_t(img.GlobalColors.empty() ? 0 : 0x80 | SizeField(img.GlobalColors.size())));
    out.insert(out.end(), {0, 0});
    PutColors(out, img.GlobalColors);
    if (img.Transparent)
        out.insert(out.end(), {0x21, 0xf9, 4, 1, 0, 0, *img.Transparent, 0});
    out.push_back(0x2c);
    for (int v : {img.Left, img.Top, img.Width, img.Height})
        Put16(out, v);
    out.push_back(uint8_t((img.LocalColors.empty() ? 0 : 0x80 | SizeField(img.LocalColors.size())) |
                          (img.Interlaced ? 0x40 : 0)));
    PutColors(out, img.LocalColors);
    out.push_back(uint8_t(img.MinCodeSize));
    std::vector<uint8_t> codes = EncodeGifLzw(StoredOrder(img), img.MinCodeSize);
    for (size_t at = 0; at < codes.size(); at += 255) {
        size_t n = std::min<size_t>(255, codes.size() - at);
        out.push_back(uint8_t(n));
        out.insert(out.end(), codes.begin() + std::ptrdiff_t(at), codes.begin() + std::ptrdiff_t(at + n));
    }
    out.insert(out.end(), {0, 0x3b});
    return out;
}

} // namespace swfw
