#include "swf/StageRenderer.h"

#include "swf/BlendMode.h"
#include "swf/Timeline.h"

namespace swf {
namespace {

DrawState Inside(const DrawState& parent, const Matrix& transform, const ColorTransform& colors) {
    return {parent.ToDevice.Then(transform), parent.Colors.Then(colors)};
}

uint32_t MixPixels(uint32_t a, uint32_t b, float t) {
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        float v = float(a >> shift & 0xff) + (float(b >> shift & 0xff) - float(a >> shift & 0xff)) * t;
        out |= uint32_t(v + 0.5f) << shift;
    }
    return out;
}

} // namespace

StageRenderer::StageRenderer(Canvas& canvas, const Dictionary& dictionary, FontProvider& fonts, int layers)
    : canvas_(canvas), dictionary_(dictionary), fonts_(fonts), layers_(layers),
      bitmaps_([&dictionary](uint16_t id) { return dictionary.FindBitmap(id); }), shapes_(canvas, bitmaps_),
      text_(shapes_, dictionary, fonts) {}

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
// limits refused: it shows nothing.
void StageRenderer::DrawObject(const DisplayObject& object, const DrawState& parent) {
    if (!object.Definition || depth_ >= MaxDepth)
        return;
    ++depth_;
    DrawState state = Inside(parent, object.Transform, object.Colors);
    if (BlendsApart(object.Blend) && layers_ < MaxLayers && !canvas_.BuildingMask())
        DrawBlended(object, state);
    else
        DrawContent(object, state);
    --depth_;
}

void StageRenderer::DrawContent(const DisplayObject& object, const DrawState& state) {
    if (object.Clip)
        DrawList(object.Clip->Objects(), state);
    else if (!std::holds_alternative<std::shared_ptr<const Sprite>>(*object.Definition))
        DrawCharacter(*object.Definition, &object, state);
}

// The object is drawn alone onto a transparent layer, which is then blended
// onto what is below it, through the clip mask in force.
void StageRenderer::DrawBlended(const DisplayObject& object, const DrawState& state) {
    const Surface& target = canvas_.Target();
    std::vector<uint32_t> pixels(size_t(target.Width) * size_t(target.Height), 0);
    Surface layer{pixels.data(), target.Width, target.Height, target.Width};
    Canvas layerCanvas(layer, canvas_.Raster(), canvas_.Level());
    StageRenderer(layerCanvas, dictionary_, fonts_, layers_ + 1).DrawContent(object, state);
    auto mode = static_cast<BlendMode>(object.Blend);
    for (int y = 0; y < target.Height; ++y) {
        uint32_t* row = target.Row(y);
        const uint32_t* src = layer.Row(y);
        const float* mask = canvas_.MaskRow(y);
        for (int x = 0; x < target.Width; ++x) {
            if (src[x] == 0 || (mask && mask[x] <= 0))
                continue;
            uint32_t blended = BlendPixel(mode, src[x], row[x]);
            row[x] = mask && mask[x] < 1 ? MixPixels(row[x], blended, mask[x]) : blended;
        }
    }
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
        text_.DrawField(**field, state);
    } else if (auto button = std::get_if<std::shared_ptr<const Button>>(&character)) {
        DrawButton(**button, state);
    } else if (auto sprite = std::get_if<std::shared_ptr<const Sprite>>(&character)) {
        DrawSpriteAtRest(**sprite, state);
    }
}

// A button shows the characters of its up state, in depth order.
void StageRenderer::DrawButton(const Button& button, const DrawState& state) {
    std::vector<const ButtonRecord*> up;
    for (const ButtonRecord& r : button.Records)
        if (r.States & ButtonRecord::Up)
            up.push_back(&r);
    std::stable_sort(up.begin(), up.end(), [](auto a, auto b) { return a->Depth < b->Depth; });
    for (const ButtonRecord* r : up) {
        const Character* c = dictionary_.Find(r->CharacterId);
        if (!c || depth_ >= MaxDepth)
            continue;
        ++depth_;
        DrawCharacter(*c, nullptr, Inside(state, r->Transform, r->Colors));
        --depth_;
    }
}

// A sprite inside a button has no timeline of its own here: its first frame
// is shown.
void StageRenderer::DrawSpriteAtRest(const Sprite& sprite, const DrawState& state) {
    Timeline::Limits limits;
    Timeline still(sprite.Frames, sprite.FrameCount, dictionary_, limits, Timeline::Limits::MaxNesting - 1);
    DrawList(still.Objects(), state);
}

} // namespace swf
