#include "swf/Button.h"

#include "swf/Error.h"
#include "swf/Records.h"
#include "swf/filters/FilterParser.h"

#include <algorithm>

namespace swf {
namespace {

// DefineButton2's condition actions: each record says how long it is, the
// last says 0 and runs to the end of the tag.
void ReadConditionActions(ByteReader& in, Button& button) {
    while (in.Remaining() >= 4) {
        uint16_t size = in.U16();
        uint16_t conditions = in.U16();
        if (size != 0 && size < 4)
            throw Error("damaged button actions");
        size_t length = size == 0 ? in.Remaining() : std::min<size_t>(size - 4, in.Remaining());
        button.Actions.push_back({conditions, in.Bytes(length)});
        if (size == 0)
            break;
    }
}

} // namespace

Button ParseButton(ByteReader& in, int version) {
    Button button;
    uint16_t actionOffset = 0;
    if (version == 2) {
        button.TrackAsMenu = (in.U8() & 1) != 0;
        actionOffset = in.U16();
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
                r.Filters = std::make_shared<const FilterList>(ParseFilterList(in));
            if (flags & 0x20)
                r.Blend = in.U8();
        }
        button.Records.push_back(r);
    }
    // Actions that cannot be read are left out; the button still shows.
    try {
        if (version == 1)
            button.Actions.push_back({buttoncond::Release, in.Bytes(in.Remaining())});
        else if (actionOffset != 0)
            ReadConditionActions(in, button);
    } catch (const Error&) {
    }
    return button;
}

} // namespace swf
