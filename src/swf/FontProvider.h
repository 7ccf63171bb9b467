#pragma once

#include "swf/FillContours.h"

#include <memory>
#include <string>

namespace swf {

// A character of a device font: its outline in units of 1024 per em, y down
// with the baseline at 0, and how far the pen moves after it.
struct DeviceGlyph {
    std::shared_ptr<const DrawableShape> Outline;
    double Advance = 0;
};

struct FontMetrics {
    double Ascent = 0, Descent = 0, Leading = 0; // 1024 per em
};

// Where text in fonts the movie does not embed gets its outlines: the
// system's fonts. Face names may be the player's generic ones ("_sans",
// "_serif", "_typewriter").
class FontProvider {
public:
    virtual ~FontProvider() = default;
    // Null when no face can draw the character.
    virtual const DeviceGlyph* Glyph(const std::string& face, bool bold, bool italic, char32_t code) = 0;
    virtual FontMetrics Metrics(const std::string& face, bool bold, bool italic) = 0;
};

// Which of the player's generic faces a font name stands for or most looks
// like: "_serif" and serif names (Times, Georgia), "_typewriter" and
// monospaced names (Courier, ...Mono), everything else sans.
enum class GenericFace { Sans, Serif, Typewriter };
GenericFace GenericFaceOf(const std::string& name);

// Used when no provider is set: every visible character is an outlined box
// of the right size, so that text is seen to be there.
class BoxFontProvider : public FontProvider {
public:
    const DeviceGlyph* Glyph(const std::string& face, bool bold, bool italic, char32_t code) override;
    FontMetrics Metrics(const std::string& face, bool bold, bool italic) override;

private:
    DeviceGlyph box_, space_;
};

} // namespace swf
