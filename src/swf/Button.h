#pragma once

#include "swf/ByteReader.h"
#include "swf/ColorTransform.h"
#include "swf/Matrix.h"
#include "swf/filters/Filter.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace swf {

struct ButtonRecord {
    enum State : uint8_t { Up = 1, Over = 2, Down = 4, HitTest = 8 };
    uint8_t States = 0;
    uint16_t CharacterId = 0;
    uint16_t Depth = 0;
    Matrix Transform;
    ColorTransform Colors;
    // DefineButton2's filters and blend mode of the record (null, 0: none).
    std::shared_ptr<const FilterList> Filters;
    uint8_t Blend = 0;
};

// The transitions a button's actions run on, as bits of its condition
// word; the key code of a key condition sits in the top seven bits.
namespace buttoncond {
enum : uint16_t {
    RollOver = 0x01,       // idle to over, up
    RollOut = 0x02,        // over, up to idle
    Press = 0x04,          // over, up to over, down
    Release = 0x08,        // over, down to over, up
    DragOut = 0x10,        // over, down to out, down
    DragOver = 0x20,       // out, down to over, down
    ReleaseOutside = 0x40, // out, down to idle
    MenuDragOver = 0x80,   // idle to over, down (menus)
    MenuDragOut = 0x100,   // over, down to idle (menus)
};
inline uint8_t KeyOf(uint16_t conditions) { return static_cast<uint8_t>(conditions >> 9); }
} // namespace buttoncond

struct ButtonAction {
    uint16_t Conditions = 0;
    std::span<const uint8_t> Actions; // into the movie's bytes
};

struct Button {
    std::vector<ButtonRecord> Records;
    std::vector<ButtonAction> Actions;
    bool TrackAsMenu = false;
};

// DefineButton (version 1) and DefineButton2 (version 2), after the id.
Button ParseButton(ByteReader& in, int version);

} // namespace swf
