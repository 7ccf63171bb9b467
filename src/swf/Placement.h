#pragma once

#include "swf/ColorTransform.h"
#include "swf/Matrix.h"
#include "swf/TagCodes.h"
#include "swf/TagList.h"
#include "swf/filters/Filter.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace swf {

// What a PlaceObject tag says; absent fields keep their current values.
struct Placement {
    uint16_t Depth = 0;
    bool Move = false;
    std::optional<uint16_t> CharacterId;
    std::optional<Matrix> Transform;
    std::optional<ColorTransform> Colors;
    std::optional<uint16_t> Ratio;
    std::optional<std::string> Name;
    std::optional<uint16_t> ClipDepth;
    std::optional<uint8_t> Blend;
    std::shared_ptr<const FilterList> Filters; // null: not given
    std::optional<bool> CacheAsBitmap;
    std::optional<bool> Visible;
    std::optional<Rgba> Background; // the opaque background colour
    // The clip event records (PlaceObject2/3), read by the script engine,
    // which knows the movie's version that decides their layout.
    std::span<const uint8_t> ClipActions;
};

// PlaceObject, PlaceObject2 and PlaceObject3.
Placement ParsePlacement(const Tag& tag);

// The depth a RemoveObject or RemoveObject2 tag clears.
uint16_t ParseRemovedDepth(const Tag& tag);

} // namespace swf
