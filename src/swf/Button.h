#pragma once

#include "swf/ByteReader.h"
#include "swf/ColorTransform.h"
#include "swf/Matrix.h"

#include <cstdint>
#include <vector>

namespace swf {

struct ButtonRecord {
    enum State : uint8_t { Up = 1, Over = 2, Down = 4, HitTest = 8 };
    uint8_t States = 0;
    uint16_t CharacterId = 0;
    uint16_t Depth = 0;
    Matrix Transform;
    ColorTransform Colors;
};

struct Button {
    std::vector<ButtonRecord> Records;
};

// DefineButton (version 1) and DefineButton2 (version 2), after the id.
Button ParseButton(ByteReader& in, int version);

} // namespace swf
