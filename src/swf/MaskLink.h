#pragma once

#include <memory>
#include <optional>

namespace swf {

struct DisplayObject;
class Timeline;

// Ties a mask a script set (setMask) to the clip it masks. The mask's entry
// owns the link and the masked clip's entry watches it, so the tie ends when
// either goes away, and a mask masks one clip at a time. The link knows the
// list the mask is on; the mask's entry is looked for there, so moves within
// the list (swapped depths, removal waiting for unload handlers) keep it.
struct MaskLink {
    Timeline* Parent = nullptr;
};

// A script's mask as the renderer finds it: the mask's entry and the
// timeline it is placed in.
struct ScriptMask {
    const DisplayObject* Mask = nullptr;
    const Timeline* Parent = nullptr;
};

// The mask a script set on `masked`, while the tie lasts.
std::optional<ScriptMask> MaskOf(const DisplayObject& masked);

// Makes `mask`, placed in `maskParent`, the mask of `masked`, taking it from
// the clip it masked before; the mask `masked` had before shows again. A
// null mask (or the clip itself) just takes the mask away.
void SetMask(DisplayObject& masked, DisplayObject* mask, Timeline* maskParent);

} // namespace swf
