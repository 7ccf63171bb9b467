#include "swf/MaskLink.h"

#include "swf/Timeline.h"

namespace swf {
namespace {

DisplayObject* EntryOf(const MaskLink& link) {
    for (auto& [depth, entry] : link.Parent->Objects())
        if (entry.Masking.get() == &link)
            return &entry;
    return nullptr;
}

} // namespace

std::optional<ScriptMask> MaskOf(const DisplayObject& masked) {
    std::shared_ptr<MaskLink> link = masked.MaskedBy.lock();
    if (!link)
        return std::nullopt;
    DisplayObject* mask = EntryOf(*link);
    if (!mask)
        return std::nullopt;
    return ScriptMask{mask, link->Parent};
}

void SetMask(DisplayObject& masked, DisplayObject* mask, Timeline* maskParent) {
    if (std::shared_ptr<MaskLink> old = masked.MaskedBy.lock())
        if (DisplayObject* entry = EntryOf(*old))
            entry->Masking.reset();
    masked.MaskedBy.reset();
    if (!mask || mask == &masked || !maskParent)
        return;
    mask->Masking = std::make_shared<MaskLink>(MaskLink{maskParent});
    masked.MaskedBy = mask->Masking;
}

} // namespace swf
