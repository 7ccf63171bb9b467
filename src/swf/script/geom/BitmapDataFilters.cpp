#include "swf/filters/FilterChain.h"
#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/BitmapDataArgs.h"
#include "swf/script/geom/BitmapDataMethods.h"
#include "swf/script/geom/FilterClasses.h"
#include "swf/script/geom/GeomSupport.h"

#include <algorithm>

namespace swf::script::geom {
namespace {

using builtins::Arg;
using namespace bitmap_args;

// Bitmaps are filtered at one pixel per pixel, as a clip at its natural
// size is.
constexpr FilterScale Natural{1, 1};

// The source's part of the area, grown by what the filter may paint
// beyond it; what lies outside the source is clear.
FilterImage Gather(const BitmapDataObject& source, const Area& area, const FilterList& filters) {
    Area in = Within(area, source);
    FilterMargin m = MarginOf(filters, Natural);
    FilterImage image{
        in.X - m.Left, in.Y - m.Top, in.Width + m.Left + m.Right, in.Height + m.Top + m.Bottom, {}};
    image.Pixels.assign(size_t(image.Width) * size_t(image.Height), 0);
    for (int y = in.Y; y < in.Y + in.Height; ++y)
        for (int x = in.X; x < in.X + in.Width; ++x)
            image.At(x - image.Left, y - image.Top) = source.Raw(x, y);
    return image;
}

// applyFilter(source, rectangle, point, filter): the source's rectangle
// is filtered by the code that filters clips, and everything the filter
// painted replaces the destination's pixels from the point on (the
// rectangle generateFilterRect tells, moved there). Answers 0 when done,
// -2 to -5 naming the argument that is wrong.
Value ApplyFilter(Vm& vm, const Value& self, std::span<const Value> args) {
    BitmapDataObject* b = AsBitmap(self);
    if (!b || args.size() < 4)
        return Failed;
    BitmapDataObject* source = AsBitmap(args[0]);
    auto area = ReadArea(vm, args[1]);
    auto to = ReadPoint(vm, args[2]);
    auto filter = FilterFromScript(vm, args[3]);
    if (!source)
        return -2.0;
    if (!area)
        return -3.0;
    if (!to)
        return -4.0;
    if (!filter)
        return -5.0;
    FilterList filters{*filter};
    FilterImage image = Gather(*source, *area, filters);
    ApplyFilters(filters, image, Natural);
    int64_t dx = int64_t(to->first) - area->X, dy = int64_t(to->second) - area->Y;
    Area landed = Within({image.Left, image.Top, image.Width, image.Height}, *b, dx, dy);
    for (int y = landed.Y; y < landed.Y + landed.Height; ++y)
        for (int x = landed.X; x < landed.X + landed.Width; ++x) {
            uint32_t word = image.At(int(x - dx - image.Left), int(y - dy - image.Top));
            if (b->Transparent())
                b->SetRaw(x, y, word);
            else
                b->Set(x, y, UnpremultiplyDown(word));
        }
    return 0.0;
}

// generateFilterRect(rectangle, filter): the rectangle grown by what the
// filter may paint beyond it.
Value GenerateFilterRect(Vm& vm, const Value& self, std::span<const Value> args) {
    auto area = ReadArea(vm, Arg(args, 0));
    auto filter = FilterFromScript(vm, Arg(args, 1));
    if (!AsBitmap(self) || !area || !filter)
        return {};
    FilterMargin m = MarginOf(FilterList{*filter}, Natural);
    return NewRectangle(vm, double(area->X) - m.Left, double(area->Y) - m.Top,
                        double(area->Width) + m.Left + m.Right, double(area->Height) + m.Top + m.Bottom);
}

} // namespace

void InstallBitmapDataFilters(Vm& vm, const ObjectPtr& proto) {
    vm.Method(proto, "applyFilter", ApplyFilter);
    vm.Method(proto, "generateFilterRect", GenerateFilterRect);
}

} // namespace swf::script::geom
