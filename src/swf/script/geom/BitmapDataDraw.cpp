#include "swf/LayerCompositor.h"
#include "swf/ScanlineRasterizer.h"
#include "swf/StageRenderer.h"
#include "swf/Timeline.h"
#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/BitmapDataArgs.h"
#include "swf/script/geom/BitmapDataMethods.h"
#include "swf/script/geom/GeomSupport.h"

namespace swf::script::geom {
namespace {

using builtins::Arg;
using namespace bitmap_args;

// The part of the bitmap drawn into: all of it, or the part of the clip
// rectangle over it.
IntRect DrawArea(Vm& vm, const BitmapDataObject& b, const Value& clipRect) {
    auto area = clipRect.IsObject() ? ReadArea(vm, clipRect) : std::nullopt;
    Area in = Within(area.value_or(Area{0, 0, b.Width(), b.Height()}), b);
    return {in.X, in.Y, in.X + in.Width, in.Y + in.Height};
}

// Draws the source, a clip's content (its own placement left out) or a
// BitmapData's pixels, onto a clear layer.
void DrawSource(Vm& vm, Canvas& canvas, const Value& source, const DrawState& state, bool smoothing) {
    if (const BitmapDataObject* image = AsBitmap(source)) {
        static const Dictionary none;
        DisplayList list;
        DisplayObject& picture = list[1];
        picture.Own = image->Picture(smoothing);
        picture.Definition = picture.Own.get();
        StageRenderer(canvas, none, *vm.Fonts).DrawList(list, state);
    } else if (const Timeline* clip = vm.TimelineOf(source)) {
        StageRenderer(canvas, clip->Characters(), *vm.Fonts).DrawTimeline(*clip, state);
    }
}

// draw(source, matrix, colorTransform, blendMode, clipRect, smoothing): the
// renderer draws the source through the matrix (pixels of the bitmap) and
// the colour transform onto a clear layer the size of the area drawn into,
// as it draws a frame, and the layer is laid onto the stored premultiplied
// pixels with the blend mode. Drawn at high quality.
Value Draw(Vm& vm, const Value& self, std::span<const Value> args) {
    BitmapDataObject* b = AsBitmap(self);
    if (!b || args.empty() || (!AsBitmap(args[0]) && !vm.TimelineOf(args[0])))
        return {};
    IntRect area = DrawArea(vm, *b, Arg(args, 4));
    if (area.Empty())
        return {};
    Matrix toLayer =
        Matrix::Scale(0.05, 0.05).Then(Arg(args, 1).IsObject() ? ReadMatrix(vm, args[1]) : Matrix{});
    toLayer.Tx -= area.X0;
    toLayer.Ty -= area.Y0;
    const ColorTransformObject* colors = AsColorTransform(Arg(args, 2));
    FilterImage layer{area.X0, area.Y0, area.Width(), area.Y1 - area.Y0, {}};
    layer.Pixels.assign(size_t(layer.Width) * size_t(layer.Height), 0);
    ScanlineRasterizer raster;
    Canvas onLayer({layer.Pixels.data(), layer.Width, layer.Height, layer.Width}, raster, Quality::High);
    DrawSource(vm, onLayer, args[0], {toLayer, colors ? colors->ToDisplay() : ColorTransform{}},
               args.size() > 5 && vm.ToBoolean(args[5]));
    Canvas onBitmap(b->Target(), raster, Quality::High);
    CompositeLayer(onBitmap, layer, static_cast<BlendMode>(ReadBlendMode(vm, Arg(args, 3))));
    return {};
}

} // namespace

void InstallBitmapDataDraw(Vm& vm, const ObjectPtr& proto) { vm.Method(proto, "draw", Draw); }

} // namespace swf::script::geom
