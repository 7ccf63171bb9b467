#include "swfwriter/SwfWriter.h"

#include "swfwriter/WriterRecords.h"

#include <lzma.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace swfw {
namespace {

// The body of a "ZWS" movie: compressed length, 5 property bytes, raw LZMA.
std::vector<uint8_t> PackLzma(const std::vector<uint8_t>& plain) {
    lzma_options_lzma options;
    lzma_lzma_preset(&options, 6);
    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
    uint8_t properties[5];
    if (lzma_properties_encode(filters, properties) != LZMA_OK)
        throw std::runtime_error("lzma properties failed");
    std::vector<uint8_t> packed(plain.size() + plain.size() / 2 + 4096);
    lzma_stream stream = LZMA_STREAM_INIT;
    if (lzma_raw_encoder(&stream, filters) != LZMA_OK)
        throw std::runtime_error("lzma encoder failed");
    stream.next_in = plain.data();
    stream.avail_in = plain.size();
    stream.next_out = packed.data();
    stream.avail_out = packed.size();
    lzma_ret status = lzma_code(&stream, LZMA_FINISH);
    size_t size = stream.total_out;
    lzma_end(&stream);
    if (status != LZMA_STREAM_END)
        throw std::runtime_error("lzma compression failed");
    BitWriter out;
    out.U32(static_cast<uint32_t>(size));
    out.Bytes(properties);
    out.Bytes({packed.data(), size});
    return out.Data();
}

} // namespace

void BitWriter::U16(uint16_t v) {
    U8(static_cast<uint8_t>(v));
    U8(static_cast<uint8_t>(v >> 8));
}

void BitWriter::U32(uint32_t v) {
    U16(static_cast<uint16_t>(v));
    U16(static_cast<uint16_t>(v >> 16));
}

void BitWriter::Bytes(std::span<const uint8_t> data) {
    Flush();
    bytes_.insert(bytes_.end(), data.begin(), data.end());
}

void BitWriter::UBits(uint32_t value, unsigned count) {
    for (unsigned i = count; i-- > 0;) {
        partial_ = static_cast<uint8_t>(partial_ << 1 | ((value >> i) & 1u));
        if (++partialBits_ == 8) {
            bytes_.push_back(partial_);
            partial_ = 0;
            partialBits_ = 0;
        }
    }
}

void BitWriter::SBits(int32_t value, unsigned count) { UBits(static_cast<uint32_t>(value), count); }

void BitWriter::Flush() {
    if (partialBits_ > 0)
        UBits(0, 8 - partialBits_);
}

unsigned BitWriter::SignedBitsFor(std::initializer_list<int32_t> values) {
    unsigned bits = 1;
    for (int32_t v : values) {
        unsigned needed = 1;
        while (needed < 32 && (v < -(1 << (needed - 1)) || v >= (1 << (needed - 1))))
            ++needed;
        bits = std::max(bits, needed);
    }
    return bits;
}

void WriteRect(BitWriter& out, const Twips& r) {
    unsigned bits = BitWriter::SignedBitsFor({r.XMin, r.XMax, r.YMin, r.YMax});
    out.UBits(bits, 5);
    for (int32_t v : {r.XMin, r.XMax, r.YMin, r.YMax})
        out.SBits(v, bits);
    out.Flush();
}

MovieWriter::MovieWriter(uint8_t version, Twips stage, double framesPerSecond)
    : version_(version), stage_(stage),
      frameRate_(static_cast<uint16_t>(std::lround(framesPerSecond * 256.0))) {}

void MovieWriter::Tag(uint16_t code, std::span<const uint8_t> body) {
    BitWriter out;
    // The short header holds lengths up to 62; 63 marks the long form.
    if (body.size() < 0x3f) {
        out.U16(static_cast<uint16_t>(code << 6 | body.size()));
    } else {
        out.U16(static_cast<uint16_t>(code << 6 | 0x3f));
        out.U32(static_cast<uint32_t>(body.size()));
    }
    out.Bytes(body);
    tags_.insert(tags_.end(), out.Data().begin(), out.Data().end());
}

void MovieWriter::SetBackgroundColor(uint8_t r, uint8_t g, uint8_t b) {
    const uint8_t body[] = {r, g, b};
    Tag(9, body);
}

void MovieWriter::ShowFrame() {
    Tag(1, {});
    ++frames_;
}

std::vector<uint8_t> MovieWriter::Build(Compression compression) const {
    BitWriter body;
    WriteRect(body, stage_);
    body.U16(frameRate_);
    body.U16(frameCountOverride_ >= 0 ? static_cast<uint16_t>(frameCountOverride_) : frames_);
    body.Bytes(tags_);
    body.U16(0); // End
    const std::vector<uint8_t>& plain = body.Data();

    BitWriter file;
    file.U8(compression == Compression::Zlib ? 'C' : compression == Compression::Lzma ? 'Z' : 'F');
    file.U8('W');
    file.U8('S');
    file.U8(version_);
    file.U32(static_cast<uint32_t>(plain.size() + 8));
    if (compression == Compression::None) {
        file.Bytes(plain);
        return file.Data();
    }
    file.Bytes(compression == Compression::Zlib ? Deflate(plain) : PackLzma(plain));
    return file.Data();
}

} // namespace swfw
