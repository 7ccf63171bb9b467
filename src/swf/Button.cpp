#include "swf/Button.h"

#include "swf/Error.h"
#include "swf/Records.h"

namespace swf {

void SkipFilterList(ByteReader& in) {
    unsigned count = in.U8();
    for (unsigned i = 0; i < count; ++i) {
        uint8_t id = in.U8();
        switch (id) {
        case 0: // drop shadow
            in.Skip(23);
            break;
        case 1: // blur
            in.Skip(9);
            break;
        case 2: // glow
            in.Skip(15);
            break;
        case 3: // bevel
            in.Skip(27);
            break;
        case 4: // gradient glow
        case 7: // gradient bevel
            in.Skip(size_t(in.U8()) * 5 + 19);
            break;
        case 5: { // convolution
            size_t cells = size_t(in.U8()) * in.U8();
            in.Skip(8 + cells * 4 + 4 + 1);
            break;
        }
        case 6: // colour matrix
            in.Skip(80);
            break;
        default:
            ThrowDamaged("unknown filter");
        }
    }
}

Button ParseButton(ByteReader& in, int version) {
    Button button;
    if (version == 2) {
        in.U8();  // track as menu
        in.U16(); // offset of the actions
    }
    while (!in.AtEnd()) {
        uint8_t flags = in.U8();
        if (flags == 0)
            break;
        ButtonRecord r;
        r.States = flags & 0x0f;
        r.CharacterId = in.U16();
        r.Depth = in.U16();
        r.Transform = ReadMatrix(in);
        if (version == 2) {
            r.Colors = ReadColorTransform(in, true);
            if (flags & 0x10)
                SkipFilterList(in);
            if (flags & 0x20)
                in.U8(); // blend mode
        }
        button.Records.push_back(r);
    }
    return button;
}

} // namespace swf
