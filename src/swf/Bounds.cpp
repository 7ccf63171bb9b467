#include "swf/Bounds.h"

#include "swf/Drawing.h"
#include "swf/Timeline.h"

#include <algorithm>

namespace swf {
namespace {

Box BoxOf(const Rect& r) { return {double(r.XMin), double(r.YMin), double(r.XMax), double(r.YMax)}; }

void Grow(std::optional<Box>& total, const std::optional<Box>& part) {
    if (part)
        total = total ? total->Union(*part) : *part;
}

// A morph shape's bounds lie between its two states' as its edges do.
Box MorphBox(const MorphShape& morph, uint16_t ratio) {
    double t = ratio / 65535.0;
    Box a = BoxOf(morph.Start.Bounds), b = BoxOf(morph.EndBounds);
    auto mix = [t](double from, double to) { return from + (to - from) * t; };
    return {mix(a.XMin, b.XMin), mix(a.YMin, b.YMin), mix(a.XMax, b.XMax), mix(a.YMax, b.YMax)};
}

} // namespace

Box Box::Union(const Box& o) const {
    return {std::min(XMin, o.XMin), std::min(YMin, o.YMin), std::max(XMax, o.XMax), std::max(YMax, o.YMax)};
}

Box TransformedBox(const Box& box, const Matrix& m) {
    Point corners[] = {m.Apply({box.XMin, box.YMin}), m.Apply({box.XMax, box.YMin}),
                       m.Apply({box.XMin, box.YMax}), m.Apply({box.XMax, box.YMax})};
    Box out{corners[0].X, corners[0].Y, corners[0].X, corners[0].Y};
    for (const Point& p : corners)
        out = out.Union({p.X, p.Y, p.X, p.Y});
    return out;
}

std::optional<Box> Bounds::OfCharacter(const Character& character, const DisplayObject* object,
                                       const Dictionary& dictionary, const Matrix& toTarget) const {
    if (auto shape = std::get_if<std::shared_ptr<const DrawableShape>>(&character))
        return TransformedBox(BoxOf((*shape)->Source.Bounds), toTarget);
    if (auto morph = std::get_if<std::shared_ptr<const MorphShape>>(&character))
        return TransformedBox(MorphBox(**morph, object ? object->Ratio : 0), toTarget);
    if (auto text = std::get_if<std::shared_ptr<const StaticText>>(&character))
        return TransformedBox(BoxOf((*text)->Bounds), toTarget);
    if (auto field = std::get_if<std::shared_ptr<const EditText>>(&character))
        return TransformedBox(BoxOf((*field)->Bounds), toTarget);
    if (auto bitmap = std::get_if<std::shared_ptr<const Bitmap>>(&character))
        return TransformedBox({0, 0, (*bitmap)->Width * 20.0, (*bitmap)->Height * 20.0}, toTarget);
    if (depth_ >= MaxDepth)
        return std::nullopt;
    ++depth_;
    std::optional<Box> total;
    if (auto button = std::get_if<std::shared_ptr<const Button>>(&character)) {
        uint8_t state = object ? object->ButtonState : uint8_t(ButtonRecord::Up);
        for (const ButtonRecord& r : (*button)->Records)
            if (r.States & state)
                if (const Character* c = dictionary.Find(r.CharacterId))
                    Grow(total, OfCharacter(*c, nullptr, dictionary, toTarget.Then(r.Transform)));
    } else if (auto sprite = std::get_if<std::shared_ptr<const Sprite>>(&character)) {
        if (object && object->Clip) {
            total = OfClip(*object->Clip, toTarget);
        } else {
            Timeline::Limits limits;
            Timeline still((*sprite)->Frames, (*sprite)->FrameCount, dictionary, limits,
                           Timeline::Limits::MaxNesting - 1);
            total = OfList(still.Objects(), dictionary, toTarget);
        }
    }
    --depth_;
    return total;
}

std::optional<Box> Bounds::OfObject(const DisplayObject& object, const Dictionary& dictionary,
                                    const Matrix& parentToTarget) const {
    return OfContent(object, dictionary, parentToTarget.Then(object.Transform));
}

std::optional<Box> Bounds::OfContent(const DisplayObject& object, const Dictionary& dictionary,
                                     const Matrix& toTarget) const {
    if (!object.Definition) {
        // An empty clip made by a script has no character, only what it holds.
        return object.Clip ? OfClip(*object.Clip, toTarget) : std::nullopt;
    }
    const Dictionary& own = object.Source ? *object.Source : dictionary;
    return OfCharacter(*object.Definition, &object, own, toTarget);
}

std::optional<Box> Bounds::OfList(const DisplayList& list, const Dictionary& dictionary,
                                  const Matrix& toTarget) const {
    std::optional<Box> total;
    for (const auto& [depth, object] : list)
        if (!object.Unloading)
            Grow(total, OfObject(object, dictionary, toTarget));
    return total;
}

std::optional<Box> Bounds::OfClip(const Timeline& clip, const Matrix& toTarget) const {
    std::optional<Box> total;
    // What scripts drew lies beneath the clip's children.
    if (const Drawing* drawn = clip.Drawn())
        if (auto r = drawn->Bounds())
            total = TransformedBox(BoxOf(*r), toTarget);
    Grow(total, OfList(clip.Objects(), clip.Characters(), toTarget));
    return total;
}

std::optional<Box> ClipBounds(const Timeline& clip, const Matrix& toTarget) {
    return Bounds().OfClip(clip, toTarget);
}

} // namespace swf
