#pragma once

#include "swf/ColorTransform.h"
#include "swf/Dictionary.h"
#include "swf/Matrix.h"
#include "swf/ScrollRect.h"
#include "swf/filters/Filter.h"

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace swf {

class Timeline;
struct MaskLink;
namespace script {
class Object;
}

// One entry of a display list: a character placed at a depth.
struct DisplayObject {
    DisplayObject();
    DisplayObject(DisplayObject&&) noexcept;
    DisplayObject& operator=(DisplayObject&&) noexcept;
    ~DisplayObject();

    uint16_t CharacterId = 0;
    const Character* Definition = nullptr;
    // A character a script made for this object alone (the picture of an
    // attached BitmapData); Definition points at it.
    std::shared_ptr<const Character> Own;
    Matrix Transform;
    ColorTransform Colors;
    const Dictionary* Source = nullptr; // of an imported character; else the timeline's own
    uint16_t Ratio = 0;
    uint16_t ClipDepth = 0;
    uint8_t Blend = 0; // BlendMode of PlaceObject3; 0 and 1 are normal
    std::string Name;
    uint32_t PlacedFrame = 0; // the frame of the parent that created it
    bool Dynamic = false;     // placed by a script, not by the frames
    bool Visible = true;
    uint8_t ButtonState = 1;                // the ButtonRecord state a button shows
    std::unique_ptr<Timeline> Clip;         // the running timeline of a sprite
    std::shared_ptr<script::Object> Script; // a named button's or text field's script object
    std::shared_ptr<const EditText> Field;  // a text field as scripts changed it; null: as defined
    // The text fields of a button's records (by record depth) as their
    // variables set them; a record not here shows its field as defined.
    std::map<uint16_t, std::shared_ptr<const EditText>> ButtonFields;
    // Null or empty: none.
    std::shared_ptr<const FilterList> Filters;
    bool CacheAsBitmap = false;
    // The opaque background, drawn behind the object's bounds.
    std::optional<Rgba> Background;
    // Set by scripts: the part of the object shown.
    std::optional<ScrollRect> Scroll;
    // Set while a script made this object another clip's mask: it is then
    // drawn only as that clip's mask.
    std::shared_ptr<MaskLink> Masking;
    // The mask a script set on this clip (see MaskLink).
    std::weak_ptr<MaskLink> MaskedBy;
    bool Unloading = false; // removed, waiting for its unload handlers
};

// Depths are those of the file (1 to 65535) and, for scripts, the range
// below and above them: a script's depth d is d + 16384 here.
using DisplayList = std::map<int32_t, DisplayObject>;

} // namespace swf
