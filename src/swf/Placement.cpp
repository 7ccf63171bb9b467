#include "swf/Placement.h"

#include "swf/Records.h"
#include "swf/filters/FilterParser.h"

namespace swf {
namespace {

Placement ParsePlaceObject1(ByteReader& in) {
    Placement p;
    p.CharacterId = in.U16();
    p.Depth = in.U16();
    p.Transform = ReadMatrix(in);
    if (!in.AtEnd())
        p.Colors = ReadColorTransform(in, false);
    return p;
}

Placement ParsePlaceObject23(ByteReader& in, bool three) {
    Placement p;
    uint8_t flags = in.U8();
    uint8_t flags2 = three ? in.U8() : 0;
    p.Depth = in.U16();
    p.Move = flags & 0x01;
    bool hasCharacter = flags & 0x02;
    if ((flags2 & 0x08) || ((flags2 & 0x10) && hasCharacter))
        ReadString(in); // class name
    if (hasCharacter)
        p.CharacterId = in.U16();
    if (flags & 0x04)
        p.Transform = ReadMatrix(in);
    if (flags & 0x08)
        p.Colors = ReadColorTransform(in, true);
    if (flags & 0x10)
        p.Ratio = in.U16();
    if (flags & 0x20)
        p.Name = ReadString(in);
    if (flags & 0x40)
        p.ClipDepth = in.U16();
    if (flags2 & 0x01)
        p.Filters = std::make_shared<const FilterList>(ParseFilterList(in));
    if (flags2 & 0x02)
        p.Blend = in.U8();
    if (flags2 & 0x04)
        p.CacheAsBitmap = in.U8() != 0;
    if (flags2 & 0x20)
        p.Visible = in.U8() != 0;
    if (flags2 & 0x40)
        p.Background = ReadRgba(in);
    if (flags & 0x80)
        p.ClipActions = in.Bytes(in.Remaining());
    return p;
}

} // namespace

Placement ParsePlacement(const Tag& tag) {
    ByteReader in(tag.Body);
    if (tag.Code == tagcode::PlaceObject)
        return ParsePlaceObject1(in);
    return ParsePlaceObject23(in, tag.Code == tagcode::PlaceObject3);
}

uint16_t ParseRemovedDepth(const Tag& tag) {
    ByteReader in(tag.Body);
    if (tag.Code == tagcode::RemoveObject)
        in.U16();
    return in.U16();
}

} // namespace swf
