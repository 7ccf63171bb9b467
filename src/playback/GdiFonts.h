#pragma once

#include "swf/FontProvider.h"
#include "ui/Handles.h"

#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace playback {

// Device fonts for the engine from the system's installed faces: unhinted
// glyph outlines through GDI, taken at a large size so that they scale like
// the movie's own fonts. A face that is not installed is drawn with the
// first installed face of its kind (sans, serif or typewriter).
class GdiFonts : public swf::FontProvider {
public:
    GdiFonts();
    ~GdiFonts() override;

    const swf::DeviceGlyph* Glyph(const std::string& face, bool bold, bool italic, char32_t code) override;
    swf::FontMetrics Metrics(const std::string& face, bool bold, bool italic) override;

    // The installed face that draws a movie's font name.
    std::wstring InstalledFaceFor(const std::string& face);
    bool IsInstalled(const std::wstring& face);

private:
    struct Face;
    using FaceKey = std::tuple<std::wstring, bool, bool>;
    Face& Open(const std::string& face, bool bold, bool italic);
    ui::FontHandle CreateFace(const std::wstring& face, bool bold, bool italic) const;

    ui::MemoryDcHandle dc_;
    std::map<std::string, std::wstring> installed_; // by the movie's name
    std::map<FaceKey, std::unique_ptr<Face>> faces_;
    std::map<std::tuple<FaceKey, char32_t>, std::unique_ptr<swf::DeviceGlyph>> glyphs_;
};

} // namespace playback
