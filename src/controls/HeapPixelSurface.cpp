#include "controls/PixelSurface.h"

#include <new>
#include <stdexcept>
#include <vector>

namespace controls {

namespace {

class THeapPixelSurface : public TPixelSurface {
public:
    explicit THeapPixelSurface(size_t count) : pixels_(count) {}
    TPixel* Pixels() override { return pixels_.data(); }

private:
    std::vector<TPixel> pixels_;
};

} // namespace

std::unique_ptr<TPixelSurface> CreatePixelSurface(int width, int height) {
    long long bytes = 4LL * width * height;
    if (width <= 0 || height <= 0 || bytes > kMaxSurfaceBytes)
        throw std::runtime_error("Can't allocate the DIB handle");
    try {
        return std::make_unique<THeapPixelSurface>(static_cast<size_t>(width) * height);
    } catch (const std::bad_alloc&) {
        throw std::runtime_error("Can't allocate the DIB handle");
    }
}

} // namespace controls
