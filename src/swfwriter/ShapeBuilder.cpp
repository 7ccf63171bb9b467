#include "swfwriter/ShapeBuilder.h"

#include <algorithm>
#include <cmath>

namespace swfw {

unsigned ShapeBuilder::BitsFor(uint32_t count) {
    unsigned bits = 0;
    while ((1u << bits) <= count && bits < 16)
        ++bits;
    return bits;
}

uint32_t ShapeBuilder::SolidFill(Rgba c) {
    BitWriter out;
    out.U8(0x00);
    WriteColor(out, c, version_ >= 3);
    auto& a = arrays_.back();
    a.Fills.insert(a.Fills.end(), out.Data().begin(), out.Data().end());
    return ++a.FillCount;
}

uint32_t ShapeBuilder::GradientFill(uint8_t type, const Transform& m, const std::vector<Stop>& stops,
                                    int spread, int interpolation, double focal) {
    BitWriter out;
    out.U8(type);
    WriteMatrix(out, m);
    out.UBits(uint32_t(spread), 2);
    out.UBits(uint32_t(interpolation), 2);
    out.UBits(uint32_t(stops.size()), 4);
    for (const Stop& s : stops) {
        out.U8(s.Ratio);
        WriteColor(out, s.Color, version_ >= 3);
    }
    if (type == 0x13)
        out.U16(static_cast<uint16_t>(static_cast<int16_t>(std::lround(focal * 256))));
    auto& a = arrays_.back();
    a.Fills.insert(a.Fills.end(), out.Data().begin(), out.Data().end());
    return ++a.FillCount;
}

uint32_t ShapeBuilder::BitmapFill(uint16_t bitmapId, const Transform& m, uint8_t type) {
    BitWriter out;
    out.U8(type);
    out.U16(bitmapId);
    WriteMatrix(out, m);
    auto& a = arrays_.back();
    a.Fills.insert(a.Fills.end(), out.Data().begin(), out.Data().end());
    return ++a.FillCount;
}

uint32_t ShapeBuilder::Line(uint16_t width, Rgba c) {
    if (version_ >= 4)
        return Line4(width, c, 0, 0, 0);
    BitWriter out;
    out.U16(width);
    WriteColor(out, c, version_ >= 3);
    auto& a = arrays_.back();
    a.Lines.insert(a.Lines.end(), out.Data().begin(), out.Data().end());
    return ++a.LineCount;
}

uint32_t ShapeBuilder::Line4(uint16_t width, Rgba c, int startCap, int join, int endCap, double miter) {
    BitWriter out;
    out.U16(width);
    out.UBits(uint32_t(startCap), 2);
    out.UBits(uint32_t(join), 2);
    out.UBits(0, 4); // no fill, scale flags
    out.UBits(0, 6); // pixel hinting, reserved, no close
    out.UBits(uint32_t(endCap), 2);
    if (join == 2)
        out.U16(static_cast<uint16_t>(std::lround(miter * 256)));
    WriteColor(out, c, true);
    auto& a = arrays_.back();
    a.Lines.insert(a.Lines.end(), out.Data().begin(), out.Data().end());
    return ++a.LineCount;
}

ShapeBuilder::Record& ShapeBuilder::PendingChange() {
    if (records_.empty() || records_.back().Type != Record::Change)
        records_.push_back(Record{Record::Change, {}, {}, {}, {}, -1});
    return records_.back();
}

void ShapeBuilder::NewStyles() {
    arrays_.emplace_back();
    PendingChange().NewArray = static_cast<int>(arrays_.size() - 1);
}

void ShapeBuilder::Styles(uint32_t fill0, uint32_t fill1, uint32_t line) {
    Record& r = PendingChange();
    r.Fill0 = fill0;
    r.Fill1 = fill1;
    r.Line = line;
}

void ShapeBuilder::MoveTo(int32_t x, int32_t y) {
    PendingChange().Move = std::make_pair(x, y);
    x_ = x;
    y_ = y;
}

void ShapeBuilder::LineTo(int32_t x, int32_t y) {
    records_.push_back(Record{Record::Straight, {}, {}, {}, {}, -1, x - x_, y - y_});
    x_ = x;
    y_ = y;
}

void ShapeBuilder::CurveTo(int32_t cx, int32_t cy, int32_t x, int32_t y) {
    records_.push_back(Record{Record::Curve, {}, {}, {}, {}, -1, cx - x_, cy - y_, x - cx, y - cy});
    x_ = x;
    y_ = y;
}

void ShapeBuilder::WriteArray(BitWriter& out, const Array& a) const {
    auto count = [&](uint32_t n) {
        if (n >= 0xff && version_ >= 2) {
            out.U8(0xff);
            out.U16(static_cast<uint16_t>(n));
        } else {
            out.U8(static_cast<uint8_t>(n));
        }
    };
    count(a.FillCount);
    out.Bytes(a.Fills);
    count(a.LineCount);
    out.Bytes(a.Lines);
}

void ShapeBuilder::WriteRecord(BitWriter& out, const Record& r, unsigned& fillBits,
                               unsigned& lineBits) const {
    if (r.Type == Record::Change) {
        out.UBits(0, 1);
        out.UBits(r.NewArray >= 0, 1);
        out.UBits(r.Line.has_value(), 1);
        out.UBits(r.Fill1.has_value(), 1);
        out.UBits(r.Fill0.has_value(), 1);
        out.UBits(r.Move.has_value(), 1);
        if (r.Move) {
            unsigned bits = BitWriter::SignedBitsFor({r.Move->first, r.Move->second});
            out.UBits(bits, 5);
            out.SBits(r.Move->first, bits);
            out.SBits(r.Move->second, bits);
        }
        if (r.Fill0)
            out.UBits(*r.Fill0, fillBits);
        if (r.Fill1)
            out.UBits(*r.Fill1, fillBits);
        if (r.Line)
            out.UBits(*r.Line, lineBits);
        if (r.NewArray >= 0) {
            const Array& a = arrays_[size_t(r.NewArray)];
            WriteArray(out, a);
            fillBits = BitsFor(a.FillCount);
            lineBits = BitsFor(a.LineCount);
            out.UBits(fillBits, 4);
            out.UBits(lineBits, 4);
        }
        return;
    }
    bool curve = r.Type == Record::Curve;
    unsigned bits = std::max(2u, curve ? BitWriter::SignedBitsFor({r.Dx, r.Dy, r.Ax, r.Ay})
                                       : BitWriter::SignedBitsFor({r.Dx, r.Dy}));
    out.UBits(1, 1);
    out.UBits(!curve, 1);
    out.UBits(bits - 2, 4);
    if (!curve)
        out.UBits(1, 1); // general line
    out.SBits(r.Dx, bits);
    out.SBits(r.Dy, bits);
    if (curve) {
        out.SBits(r.Ax, bits);
        out.SBits(r.Ay, bits);
    }
}

std::vector<uint8_t> ShapeBuilder::Build(bool withStyles) const {
    BitWriter out;
    uint32_t fills = arrays_[0].FillCount, lines = arrays_[0].LineCount;
    if (withStyles) {
        WriteArray(out, arrays_[0]);
    } else {
        for (const Record& r : records_) {
            fills = std::max({fills, r.Fill0.value_or(0), r.Fill1.value_or(0)});
            lines = std::max(lines, r.Line.value_or(0));
        }
    }
    unsigned fillBits = BitsFor(fills), lineBits = BitsFor(lines);
    out.UBits(fillBits, 4);
    out.UBits(lineBits, 4);
    for (const Record& r : records_)
        WriteRecord(out, r, fillBits, lineBits);
    out.UBits(0, 6); // end of shape
    return out.Data();
}

} // namespace swfw
