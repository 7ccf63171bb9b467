#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace swf::sound {

// SWF ADPCM: the step sizes by step index, and how the index moves with the
// magnitude bits of a code, per code size (2 to 5 bits).
inline constexpr std::array<int16_t, 89> AdpcmStepSizes = {
    7,    8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,   28,
    31,   34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,  118,
    130,  143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,  494,
    544,  598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878, 2066,
    2272, 2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845, 8630,
    9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

// Index changes by the magnitude of a code, per code size.
inline constexpr int8_t AdpcmIndexShift2[] = {-1, 2};
inline constexpr int8_t AdpcmIndexShift3[] = {-1, -1, 2, 4};
inline constexpr int8_t AdpcmIndexShift4[] = {-1, -1, -1, -1, 2, 4, 6, 8};
inline constexpr int8_t AdpcmIndexShift5[] = {-1, -1, -1, -1, -1, -1, -1, -1, 1, 2, 4, 6, 8, 10, 13, 16};
inline constexpr const int8_t* AdpcmIndexShifts[] = {AdpcmIndexShift2, AdpcmIndexShift3, AdpcmIndexShift4,
                                                     AdpcmIndexShift5};

// A packet: the stored first sample, then 4095 codes, per channel.
inline constexpr size_t AdpcmPacketSamples = 4096;

} // namespace swf::sound
