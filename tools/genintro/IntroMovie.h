#pragma once

#include <cstdint>
#include <vector>

namespace genintro {

// The intro the player shows while no movie of the user's is loaded: the
// program's emblem, turning rings and orbiting lights over a deep blue
// glow, with the name below. Five seconds that loop without a seam.
std::vector<uint8_t> BuildIntroMovie();

} // namespace genintro
