#include "swf/StageRenderer.h"

#include "swf/Timeline.h"

namespace swf {
namespace {

DrawState Inside(const DrawState& parent, const Matrix& transform, const ColorTransform& colors) {
    return {parent.ToDevice.Then(transform), parent.Colors.Then(colors)};
}

} // namespace

StageRenderer::StageRenderer(Canvas& canvas, const Dictionary& dictionary, FontProvider& fonts)
    : canvas_(canvas), dictionary_(dictionary),
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
    if (object.Clip)
        DrawList(object.Clip->Objects(), state);
    else if (!std::holds_alternative<std::shared_ptr<const Sprite>>(*object.Definition))
        DrawCharacter(*object.Definition, &object, state);
    --depth_;
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
