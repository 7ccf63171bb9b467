#include "controls/Random.h"

namespace controls {

TRandom& TRandom::Shared() {
    static TRandom shared{std::random_device{}()};
    return shared;
}

} // namespace controls
