#include "swf/StageRenderer.h"

#include "swf/BlendMode.h"
#include "swf/Bounds.h"
#include "swf/Drawing.h"
#include "swf/LayerBounds.h"
#include "swf/LayerCache.h"
#include "swf/LayerCompositor.h"
#include "swf/MaskLink.h"
#include "swf/Timeline.h"
#include "swf/filters/FilterChain.h"

#include <algorithm>
#include <cmath>

namespace swf {
namespace {

DrawState Inside(const DrawState& parent, const Matrix& transform, const ColorTransform& colors) {
    return {parent.ToDevice.Then(transform), parent.Colors.Then(colors)};
}

bool HasFilters(const DisplayObject& object) { return object.Filters && !object.Filters->empty(); }

// The smallest rectangle holding every pixel painted on the layer.
IntRect PaintedBounds(const Surface& layer) {
    IntRect box{layer.Width, layer.Height, 0, 0};
    for (int y = 0; y < layer.Height; ++y) {
        const uint32_t* row = layer.Row(y);
        int first = 0;
        while (first < layer.Width && row[first] == 0)
            ++first;
        if (first == layer.Width)
            continue;
        int last = layer.Width - 1;
        while (row[last] == 0)
            --last;
        box = {std::min(box.X0, first), std::min(box.Y0, y), std::max(box.X1, last + 1), y + 1};
    }
    return box;
}

IntRect Grown(const IntRect& box, const FilterMargin& m, const IntRect& limit) {
    return {std::max(limit.X0, box.X0 - m.Left), std::max(limit.Y0, box.Y0 - m.Top),
            std::min(limit.X1, box.X1 + m.Right), std::min(limit.Y1, box.Y1 + m.Bottom)};
}

IntRect Common(const IntRect& a, const IntRect& b) {
    return {std::max(a.X0, b.X0), std::max(a.Y0, b.Y0), std::min(a.X1, b.X1), std::min(a.Y1, b.Y1)};
}

// The box (target pixels) out of a layer covering `area` of the target; what
// the layer does not cover is clear.
FilterImage Cut(const Surface& layer, const IntRect& area, const IntRect& box) {
    FilterImage image{box.X0, box.Y0, box.Width(), box.Y1 - box.Y0, {}};
    image.Pixels.assign(size_t(image.Width) * size_t(image.Height), 0);
    IntRect shared = Common(area, box);
    for (int y = shared.Y0; y < shared.Y1 && !shared.Empty(); ++y) {
        const uint32_t* row = layer.Row(y - area.Y0);
        std::copy(row + (shared.X0 - area.X0), row + (shared.X1 - area.X0),
                  image.Pixels.begin() + ptrdiff_t(y - box.Y0) * image.Width + (shared.X0 - box.X0));
    }
    return image;
}

// A filtered or cached object is drawn into a bitmap of its own whose corner
// is the object's box (a scrolled one's rectangle) rounded to whole pixels,
// the object keeping its place in it, and the bitmap is laid on the stage
// at that corner: the object moves by the box's fraction of a pixel, which
// decides, at low quality, which pixel centres its edges cover, and puts a
// scroll rectangle's edges on whole pixels.
Matrix OnBitmapGrid(const DisplayObject& object, const Dictionary& dictionary, const Matrix& toDevice) {
    std::optional<Box> box;
    if (object.Scroll)
        box = TransformedBox({0, 0, object.Scroll->Width * 20, object.Scroll->Height * 20}, toDevice);
    else
        box = Bounds().OfContent(object, dictionary, toDevice);
    if (!box || !std::isfinite(box->XMin) || !std::isfinite(box->YMin))
        return toDevice;
    Matrix moved = toDevice;
    moved.Tx += std::floor(box->XMin + 0.5) - box->XMin;
    moved.Ty += std::floor(box->YMin + 0.5) - box->YMin;
    return moved;
}

// The smallest rectangle holding both.
IntRect Enclosing(const IntRect& a, const IntRect& b) {
    if (a.Empty() || b.Empty())
        return a.Empty() ? b : a;
    return {std::min(a.X0, b.X0), std::min(a.Y0, b.Y0), std::max(a.X1, b.X1), std::max(a.Y1, b.Y1)};
}

// An opaque background fills the pixels whose centres lie in the object's
// box (its left and top edges included), however its outline falls on them.
IntRect BackgroundBox(const DisplayObject& object, const Dictionary& dictionary, const Matrix& toDevice,
                      const IntRect& limit) {
    std::optional<Box> box = Bounds().OfContent(object, dictionary, toDevice);
    if (!box || !std::isfinite(box->XMin) || !std::isfinite(box->YMin) || !std::isfinite(box->XMax) ||
        !std::isfinite(box->YMax))
        return {};
    auto clamp = [](double v) { return int(std::clamp(v, -1e9, 1e9)); };
    auto first = [&clamp](double edge) { return clamp(std::ceil(edge - 0.5)); };
    return Common({first(box->XMin), first(box->YMin), first(box->XMax), first(box->YMax)}, limit);
}

// The opaque background fills the object's bounds behind it.
void UnderlayBackground(FilterImage& image, Rgba color) {
    color.A = 255;
    uint32_t background = Premultiply(color);
    for (uint32_t& pixel : image.Pixels) {
        uint32_t rest = 255 - (pixel >> 24), under = 0;
        for (int shift = 0; shift < 32; shift += 8)
            under |= ((background >> shift & 0xff) * rest + 127) / 255 << shift;
        pixel += under;
    }
}

} // namespace

StageRenderer::StageRenderer(Canvas& canvas, const Dictionary& dictionary, FontProvider& fonts, int layers)
    : canvas_(canvas), dictionary_(dictionary), fonts_(fonts), layers_(layers),
      bitmaps_([&dictionary](uint16_t id) { return dictionary.FindBitmap(id); }), shapes_(canvas, bitmaps_),
      text_(shapes_, dictionary, fonts) {}

void StageRenderer::UseView(const Matrix& view) { view_ = ScaleOf(view); }

void StageRenderer::DrawTimeline(const Timeline& timeline, const DrawState& state) {
    if (const Drawing* drawn = timeline.Drawn(); drawn && !drawn->Empty())
        shapes_.Draw(*drawn->Shape(), state);
    DrawList(timeline.Objects(), state);
}

// An object with a clip depth is not drawn: it masks the objects above it
// up to and including that depth.
void StageRenderer::DrawList(const DisplayList& list, const DrawState& state) {
    std::vector<uint16_t> clipEnds;
    for (const auto& [depth, object] : list) {
        while (!clipEnds.empty() && depth > clipEnds.back()) {
            canvas_.PopMask();
            clipEnds.pop_back();
        }
        if (object.ClipDepth == 0) {
            // Hidden by _visible (or PlaceObject3's visibility), a mask still
            // masks; a script's mask is drawn only by the clip it masks.
            if (object.Visible && !object.Masking)
                DrawObject(object, state);
            continue;
        }
        canvas_.BeginMask();
        DrawObject(object, state);
        canvas_.EndMaskAndPush();
        clipEnds.push_back(object.ClipDepth);
    }
    for (size_t i = 0; i < clipEnds.size(); ++i)
        canvas_.PopMask();
}

// A sprite on the list without a timeline of its own is one the instance
// limits refused: it shows nothing. An empty clip made by a script has a
// timeline and no definition.
void StageRenderer::DrawObject(const DisplayObject& object, const DrawState& parent) {
    if ((!object.Definition && !object.Clip) || depth_ >= MaxDepth)
        return;
    ++depth_;
    bool masked = PushScriptMask(object, parent);
    DrawState state = Inside(parent, object.Transform, object.Colors);
    bool apart = DrawnApart(object) && layers_ < MaxLayers && !canvas_.BuildingMask();
    if (apart && (HasFilters(object) || object.CacheAsBitmap))
        state.ToDevice = OnBitmapGrid(object, dictionary_, state.ToDevice);
    // A scrolled object is clipped to its rectangle; inside a mask the
    // plug-in only moves its content.
    bool scrolled = object.Scroll && !canvas_.BuildingMask();
    if (scrolled)
        PushScrollMask(canvas_, state.ToDevice, *object.Scroll);
    if (object.Scroll)
        state.ToDevice = object.Scroll->ContentTransform(state.ToDevice);
    if (apart)
        DrawIsolated(object, state);
    else
        DrawContent(object, state);
    if (scrolled)
        canvas_.PopMask();
    if (masked)
        canvas_.PopMask();
    --depth_;
}

// A mask a script set is drawn where it stands on the stage, whatever list
// it is on: from the masked clip's parent back to the stage, then through
// the mask's own parents. Its colours do not matter.
bool StageRenderer::PushScriptMask(const DisplayObject& object, const DrawState& parent) {
    std::optional<ScriptMask> mask = MaskOf(object);
    Matrix fromStage;
    if (!mask || !object.Clip || !object.Clip->Parent() ||
        !object.Clip->Parent()->ToStage().Invert(fromStage))
        return false;
    DrawState maskParent{parent.ToDevice.Then(fromStage).Then(mask->Parent->ToStage()), {}};
    canvas_.BeginMask();
    if (&mask->Parent->Characters() == &dictionary_) {
        DrawObject(*mask->Mask, maskParent);
    } else {
        StageRenderer inner(canvas_, mask->Parent->Characters(), fonts_, layers_);
        inner.depth_ = depth_;
        inner.DrawObject(*mask->Mask, maskParent);
    }
    canvas_.EndMaskAndPush();
    return true;
}

void StageRenderer::DrawContent(const DisplayObject& object, const DrawState& state) {
    if (object.Clip && &object.Clip->Characters() != &dictionary_) {
        // A clip playing a loaded or imported movie draws its characters.
        StageRenderer inner(canvas_, object.Clip->Characters(), fonts_, layers_);
        inner.depth_ = depth_;
        inner.cache_ = cache_;
        inner.view_ = view_;
        inner.DrawTimeline(*object.Clip, state);
    } else if (object.Clip) {
        DrawTimeline(*object.Clip, state);
    } else if (!std::holds_alternative<std::shared_ptr<const Sprite>>(*object.Definition)) {
        DrawCharacter(*object.Definition, &object, state);
    }
}

// Blend modes, filters, a cached bitmap and an opaque background each need
// the object drawn alone first; alpha and erase only inside a layer.
bool StageRenderer::DrawnApart(const DisplayObject& object) const {
    return BlendsApart(object.Blend) || HasFilters(object) || object.CacheAsBitmap || object.Background ||
           (NeedsParentLayer(object.Blend) && layers_ > 0);
}

// The object is drawn alone onto a transparent layer; the part of it that
// was painted, grown by what its filters add, is filtered and then blended
// onto what is below it, through the clip mask in force. Filtered and cached
// objects keep their layer while they do not change.
void StageRenderer::DrawIsolated(const DisplayObject& object, const DrawState& state) {
    auto mode = static_cast<BlendMode>(std::max<uint8_t>(object.Blend, 1));
    std::optional<uint64_t> signature;
    if (cache_ && (HasFilters(object) || object.CacheAsBitmap) && mode != BlendMode::Alpha)
        signature = LayerCache::SignatureOf(object, state.ToDevice, int(canvas_.Level()));
    const FilterImage* kept = signature ? cache_->Find(object, *signature, state.ToDevice) : nullptr;
    if (kept && state.Colors.IsIdentity()) {
        CompositeLayer(canvas_, *kept, mode);
        return;
    }
    FilterImage image = kept ? *kept : DrawLayer(object, state.ToDevice, mode);
    // A layer cut off at the view's edge would be missing its cut part
    // once the object moves.
    IntRect all = canvas_.Bounds();
    bool whole = image.Left > all.X0 && image.Top > all.Y0 && image.Left + image.Width < all.X1 &&
                 image.Top + image.Height < all.Y1;
    if (signature && !kept && whole && !image.Pixels.empty())
        cache_->Store(object, *signature, state.ToDevice, image);
    if (!state.Colors.IsIdentity())
        for (uint32_t& pixel : image.Pixels)
            pixel = state.Colors.ApplyPremultiplied(pixel);
    CompositeLayer(canvas_, image, mode);
}

// The colour transform is left for the finished layer, so fading a group
// fades it as one, its filters' colours included.
FilterImage StageRenderer::DrawLayer(const DisplayObject& object, const Matrix& toDevice, BlendMode mode) {
    // The layer covers only what the object may paint (all of the target
    // under alpha, where what the object leaves clear is cleared below it
    // too); it is drawn moved by whole pixels, which changes no pixel.
    IntRect all = canvas_.Bounds(), area = all;
    if (mode != BlendMode::Alpha)
        if (auto bounds = LayerBounds(object, toDevice, view_))
            area = Common(*bounds, all);
    if (area.Empty())
        return {};
    std::vector<uint32_t> pixels(size_t(area.Width()) * size_t(area.Y1 - area.Y0), 0);
    Surface layer{pixels.data(), area.Width(), area.Y1 - area.Y0, area.Width()};
    Canvas layerCanvas(layer, canvas_.Raster(), canvas_.Level());
    StageRenderer inner(layerCanvas, dictionary_, fonts_, layers_ + 1);
    inner.depth_ = depth_;
    inner.cache_ = cache_;
    inner.view_ = view_;
    Matrix onLayer = toDevice;
    onLayer.Tx -= area.X0;
    onLayer.Ty -= area.Y0;
    inner.DrawContent(object, {onLayer, {}});
    IntRect box = all;
    if (mode != BlendMode::Alpha) {
        IntRect painted = PaintedBounds(layer);
        box = {painted.X0 + area.X0, painted.Y0 + area.Y0, painted.X1 + area.X0, painted.Y1 + area.Y0};
    }
    if (object.Background)
        box = Enclosing(box, BackgroundBox(object, dictionary_, toDevice, all));
    if (HasFilters(object) && !box.Empty())
        box = Grown(box, MarginOf(*object.Filters, view_), canvas_.Bounds());
    if (box.Empty())
        return {};
    FilterImage image = Cut(layer, area, box);
    if (object.Background)
        UnderlayBackground(image, *object.Background);
    if (HasFilters(object))
        ApplyFilters(*object.Filters, image, view_);
    return image;
}

void StageRenderer::DrawCharacter(const Character& character, const DisplayObject* object,
                                  const DrawState& state) {
    if (--budget_ < 0)
        return;
    if (auto shape = std::get_if<std::shared_ptr<const DrawableShape>>(&character)) {
        shapes_.Draw(**shape, state);
    } else if (auto morph = std::get_if<std::shared_ptr<const MorphShape>>(&character)) {
        shapes_.Draw(DrawableShape(MorphAt(**morph, object ? object->Ratio : 0)), state);
    } else if (auto text = std::get_if<std::shared_ptr<const StaticText>>(&character)) {
        text_.DrawStatic(**text, state);
    } else if (auto field = std::get_if<std::shared_ptr<const EditText>>(&character)) {
        text_.DrawField(object && object->Field ? *object->Field : **field, state);
    } else if (auto button = std::get_if<std::shared_ptr<const Button>>(&character)) {
        DrawButton(**button, object, state);
    } else if (auto sprite = std::get_if<std::shared_ptr<const Sprite>>(&character)) {
        DrawSpriteAtRest(**sprite, state);
    }
}

namespace {

// The field of a button's record as its variable set it, if it did.
const EditText* ButtonField(const DisplayObject* button, uint16_t depth) {
    if (!button)
        return nullptr;
    auto it = button->ButtonFields.find(depth);
    return it == button->ButtonFields.end() ? nullptr : it->second.get();
}

} // namespace

// A button shows the characters of its current state, in depth order.
void StageRenderer::DrawButton(const Button& button, const DisplayObject* object, const DrawState& state) {
    uint8_t shown = object ? object->ButtonState : uint8_t(ButtonRecord::Up);
    std::vector<const ButtonRecord*> up;
    for (const ButtonRecord& r : button.Records)
        if (r.States & shown)
            up.push_back(&r);
    std::stable_sort(up.begin(), up.end(), [](auto a, auto b) { return a->Depth < b->Depth; });
    for (const ButtonRecord* r : up) {
        const Character* c = dictionary_.Find(r->CharacterId);
        if (!c || depth_ >= MaxDepth)
            continue;
        if ((r->Filters && !r->Filters->empty()) || BlendsApart(r->Blend)) {
            DrawFilteredRecord(*r, *c, state);
            continue;
        }
        ++depth_;
        if (const EditText* field = ButtonField(object, r->Depth))
            text_.DrawField(*field, Inside(state, r->Transform, r->Colors));
        else
            DrawCharacter(*c, nullptr, Inside(state, r->Transform, r->Colors));
        --depth_;
    }
}

// A record with filters or a blend mode is drawn as a placed object with
// them would be. Its layer is not kept: the record is no object that lasts
// from one frame to the next.
void StageRenderer::DrawFilteredRecord(const ButtonRecord& record, const Character& character,
                                       const DrawState& state) {
    DisplayObject object;
    object.CharacterId = record.CharacterId;
    object.Definition = &character;
    object.Transform = record.Transform;
    object.Colors = record.Colors;
    object.Filters = record.Filters;
    object.Blend = record.Blend;
    // A sprite shows its first frame, as unfiltered ones in buttons do.
    Timeline::Limits limits;
    if (auto sprite = std::get_if<std::shared_ptr<const Sprite>>(&character))
        object.Clip = std::make_unique<Timeline>((*sprite)->Frames, (*sprite)->FrameCount, dictionary_,
                                                 limits, Timeline::Limits::MaxNesting - 1);
    LayerCache* kept = std::exchange(cache_, nullptr);
    DrawObject(object, state);
    cache_ = kept;
}

// A sprite inside a button has no timeline of its own here: its first frame
// is shown.
void StageRenderer::DrawSpriteAtRest(const Sprite& sprite, const DrawState& state) {
    Timeline::Limits limits;
    Timeline still(sprite.Frames, sprite.FrameCount, dictionary_, limits, Timeline::Limits::MaxNesting - 1);
    DrawList(still.Objects(), state);
}

} // namespace swf
