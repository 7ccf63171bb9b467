#include "swf/TextParser.h"

#include "swf/Records.h"

namespace swf {
namespace {

struct RunState {
    TextRun Run;
    double X = 0;
};

void ReadRecordHeader(ByteReader& in, uint8_t flags, int version, RunState& s) {
    if (flags & 0x08)
        s.Run.FontId = in.U16();
    if (flags & 0x04)
        s.Run.Color = version == 2 ? ReadRgba(in) : ReadRgb(in);
    if (flags & 0x01)
        s.X = static_cast<int16_t>(in.U16());
    if (flags & 0x02)
        s.Run.Y = static_cast<int16_t>(in.U16());
    if (flags & 0x08)
        s.Run.Height = in.U16();
}

} // namespace

StaticText ParseStaticText(ByteReader& in, int version) {
    StaticText text;
    text.Bounds = ReadRect(in);
    text.Transform = ReadMatrix(in);
    unsigned glyphBits = in.U8(), advanceBits = in.U8();
    if (glyphBits > 32 || advanceBits > 32)
        return text;
    RunState s;
    while (!in.AtEnd()) {
        uint8_t flags = in.U8();
        if (flags == 0)
            break;
        ReadRecordHeader(in, flags, version, s);
        s.Run.Glyphs.clear();
        unsigned count = in.U8();
        for (unsigned i = 0; i < count; ++i) {
            TextGlyph g;
            g.Index = in.UBits(glyphBits);
            g.X = s.X;
            s.X += in.SBits(advanceBits);
            s.Run.Glyphs.push_back(g);
        }
        in.AlignToByte();
        text.Runs.push_back(s.Run);
    }
    return text;
}

} // namespace swf
