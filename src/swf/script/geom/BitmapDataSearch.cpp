#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/BitmapDataArgs.h"
#include "swf/script/geom/BitmapDataMethods.h"
#include "swf/script/geom/GeomSupport.h"

#include <algorithm>
#include <vector>

namespace swf::script::geom {
namespace {

using builtins::Arg;
using namespace bitmap_args;

// floodFill(x, y, colour): the pixels joined to (x, y) side by side that
// hold its colour take the new one.
Value FloodFill(Vm& vm, const Value& self, std::span<const Value> args) {
    auto at = ReadPixel(vm, self, args, 3);
    if (!at)
        return {};
    auto [b, x, y] = *at;
    uint32_t from = b->Raw(x, y);
    b->Set(x, y, Color(vm, args[2]));
    uint32_t to = b->Raw(x, y);
    if (to == from)
        return {};
    // Each pixel is pushed once at most, as it changes colour when pushed.
    std::vector<std::pair<int, int>> pending{{x, y}};
    while (!pending.empty()) {
        auto [px, py] = pending.back();
        pending.pop_back();
        for (auto [nx, ny] : {std::pair{px - 1, py}, {px + 1, py}, {px, py - 1}, {px, py + 1}})
            if (b->Inside(nx, ny) && b->Raw(nx, ny) == from) {
                b->SetRaw(nx, ny, to);
                pending.emplace_back(nx, ny);
            }
    }
    return {};
}

// getColorBoundsRect(mask, colour [, findColor]): the smallest rectangle
// around the pixels whose masked colour is (or with findColor false, is
// not) the colour.
Value GetColorBoundsRect(Vm& vm, const Value& self, std::span<const Value> args) {
    BitmapDataObject* b = AsBitmap(self);
    if (!b || args.size() < 2)
        return Failed;
    uint32_t mask = Color(vm, args[0]), color = Color(vm, args[1]);
    bool find = args.size() < 3 || vm.ToBoolean(args[2]);
    int x0 = b->Width(), y0 = b->Height(), x1 = -1, y1 = -1;
    for (int y = 0; y < b->Height(); ++y)
        for (int x = 0; x < b->Width(); ++x)
            if (((b->Get(x, y) & mask) == color) == find) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
    if (x1 < 0)
        return NewRectangle(vm, 0.0, 0.0, 0.0, 0.0);
    return NewRectangle(vm, double(x0), double(y0), double(x1 - x0 + 1), double(y1 - y0 + 1));
}

} // namespace

void InstallBitmapDataSearch(Vm& vm, const ObjectPtr& proto) {
    vm.Method(proto, "floodFill", FloodFill);
    vm.Method(proto, "getColorBoundsRect", GetColorBoundsRect);
}

} // namespace swf::script::geom
