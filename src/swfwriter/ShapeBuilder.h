#pragma once

#include "swfwriter/WriterRecords.h"

#include <optional>
#include <vector>

namespace swfw {

struct Stop {
    uint8_t Ratio;
    Rgba Color;
};

// Builds the SHAPEWITHSTYLE of a DefineShape (version 1-4), a glyph (SHAPE
// without styles) or the edges of a morph shape. Style indices are 1-based
// within the current style array, as in the file.
class ShapeBuilder {
public:
    explicit ShapeBuilder(int version = 3) : version_(version) { arrays_.emplace_back(); }

    uint32_t SolidFill(Rgba c);
    // type 0x10 linear, 0x12 radial, 0x13 focal; spread 0 pad, 1 reflect,
    // 2 repeat; interpolation 1 for linear RGB.
    uint32_t GradientFill(uint8_t type, const Transform& m, const std::vector<Stop>& stops, int spread = 0,
                          int interpolation = 0, double focal = 0);
    // type 0x40 repeating, 0x41 clipped, +2 for unsmoothed.
    uint32_t BitmapFill(uint16_t bitmapId, const Transform& m, uint8_t type = 0x41);
    uint32_t Line(uint16_t width, Rgba c);
    // DefineShape4 line: caps 0 round, 1 none, 2 square; join 0 round,
    // 1 bevel, 2 miter.
    uint32_t Line4(uint16_t width, Rgba c, int startCap, int join, int endCap, double miter = 3);

    // Starts a new style array; styles added afterwards go into it.
    void NewStyles();

    void Styles(uint32_t fill0, uint32_t fill1, uint32_t line);
    void MoveTo(int32_t x, int32_t y);
    void LineTo(int32_t x, int32_t y);
    void CurveTo(int32_t cx, int32_t cy, int32_t x, int32_t y);

    // The style arrays and records; with `withStyles` false, only records
    // (NumFillBits, NumLineBits, records), as glyphs and morph edges need.
    std::vector<uint8_t> Build(bool withStyles = true) const;

private:
    struct Array {
        std::vector<uint8_t> Fills, Lines;
        uint32_t FillCount = 0, LineCount = 0;
    };
    struct Record {
        enum Kind { Change, Straight, Curve } Type;
        std::optional<uint32_t> Fill0, Fill1, Line;
        std::optional<std::pair<int32_t, int32_t>> Move;
        int NewArray = -1;
        int32_t Dx = 0, Dy = 0, Ax = 0, Ay = 0;
    };

    Record& PendingChange();
    void WriteArray(BitWriter& out, const Array& a) const;
    void WriteRecord(BitWriter& out, const Record& r, unsigned& fillBits, unsigned& lineBits) const;
    static unsigned BitsFor(uint32_t count);

    int version_;
    std::vector<Array> arrays_;
    std::vector<Record> records_;
    int32_t x_ = 0, y_ = 0;
};

} // namespace swfw
