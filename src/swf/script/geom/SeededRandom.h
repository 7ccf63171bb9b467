#pragma once

#include <cstdint>

namespace swf::script::geom {

// The minimal standard generator: noise only needs to be the same for the
// same seed.
class SeededRandom {
public:
    explicit SeededRandom(int32_t seed) : state_(uint32_t(seed) % 2147483647u) {
        if (state_ == 0)
            state_ = 1;
    }
    uint32_t Next() {
        state_ = uint32_t(uint64_t(state_) * 16807u % 2147483647u);
        return state_;
    }
    // A number in [0, 1).
    double Unit() { return (Next() - 1) / 2147483646.0; }

private:
    uint32_t state_;
};

} // namespace swf::script::geom
