#pragma once

#include "swf/FontProvider.h"

#include <filesystem>
#include <map>
#include <memory>
#include <tuple>

namespace swf {

// Device fonts from the DejaVu faces through FreeType (the native build's
// provider): "_serif" and serif names map to DejaVu Serif, "_typewriter"
// and monospaced names to DejaVu Sans Mono, everything else to DejaVu Sans.
class FreeTypeFonts : public FontProvider {
public:
    explicit FreeTypeFonts(std::filesystem::path directory = "/usr/share/fonts/truetype/dejavu");
    ~FreeTypeFonts() override;

    const DeviceGlyph* Glyph(const std::string& face, bool bold, bool italic, char32_t code) override;
    FontMetrics Metrics(const std::string& face, bool bold, bool italic) override;

private:
    struct Library;
    struct Face;
    Face* Open(const std::string& face, bool bold, bool italic);

    std::filesystem::path directory_;
    std::unique_ptr<Library> library_;
    std::map<std::string, std::unique_ptr<Face>> faces_; // by file name
    std::map<std::tuple<std::string, char32_t>, std::unique_ptr<DeviceGlyph>> glyphs_;
};

} // namespace swf
