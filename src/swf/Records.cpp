#include "swf/Records.h"

namespace swf {

Rect ReadRect(ByteReader& in) {
    unsigned bits = in.UBits(5);
    Rect r;
    r.XMin = in.SBits(bits);
    r.XMax = in.SBits(bits);
    r.YMin = in.SBits(bits);
    r.YMax = in.SBits(bits);
    in.AlignToByte();
    return r;
}

Matrix ReadMatrix(ByteReader& in) {
    Matrix m;
    constexpr double Fixed = 65536.0;
    if (in.UBits(1)) {
        unsigned bits = in.UBits(5);
        m.A = in.SBits(bits) / Fixed;
        m.D = in.SBits(bits) / Fixed;
    }
    if (in.UBits(1)) {
        unsigned bits = in.UBits(5);
        m.B = in.SBits(bits) / Fixed;
        m.C = in.SBits(bits) / Fixed;
    }
    unsigned bits = in.UBits(5);
    m.Tx = in.SBits(bits);
    m.Ty = in.SBits(bits);
    in.AlignToByte();
    return m;
}

ColorTransform ReadColorTransform(ByteReader& in, bool withAlpha) {
    ColorTransform c;
    bool hasAdd = in.UBits(1);
    bool hasMul = in.UBits(1);
    unsigned bits = in.UBits(4);
    auto next = [&] { return static_cast<float>(in.SBits(bits)); };
    if (hasMul) {
        c.MulR = next() / 256;
        c.MulG = next() / 256;
        c.MulB = next() / 256;
        if (withAlpha)
            c.MulA = next() / 256;
    }
    if (hasAdd) {
        c.AddR = next();
        c.AddG = next();
        c.AddB = next();
        if (withAlpha)
            c.AddA = next();
    }
    in.AlignToByte();
    return c;
}

Rgba ReadRgb(ByteReader& in) {
    Rgba c;
    c.R = in.U8();
    c.G = in.U8();
    c.B = in.U8();
    return c;
}

Rgba ReadRgba(ByteReader& in) {
    Rgba c = ReadRgb(in);
    c.A = in.U8();
    return c;
}

std::string ReadString(ByteReader& in) {
    std::string s;
    while (!in.AtEnd()) {
        char ch = static_cast<char>(in.U8());
        if (ch == 0)
            break;
        s.push_back(ch);
    }
    return s;
}

} // namespace swf
