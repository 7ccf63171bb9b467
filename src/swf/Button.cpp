#include "swf/Button.h"

#include "swf/Error.h"
#include "swf/Records.h"
#include "swf/filters/FilterParser.h"

namespace swf {

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
                ParseFilterList(in); // not drawn on buttons yet
            if (flags & 0x20)
                in.U8(); // blend mode
        }
        button.Records.push_back(r);
    }
    return button;
}

} // namespace swf
