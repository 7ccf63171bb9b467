#include "swf/FontProvider.h"

#include <cctype>

namespace swf {
namespace {

// A hollow rectangle: an outer ring filled, the inner part left empty.
Shape BoxShape() {
    Shape s;
    s.Fills.push_back({});
    auto ring = [&s](double x0, double y0, double x1, double y1) {
        Path p;
        p.Start = {x0, y0};
        p.Fill1 = 1;
        for (Point to : {Point{x1, y0}, Point{x1, y1}, Point{x0, y1}, Point{x0, y0}})
            p.Segments.push_back({{}, to, false});
        s.Paths.push_back(p);
    };
    ring(80, -700, 520, 0);
    ring(140, -640, 460, -60);
    return s;
}

} // namespace

GenericFace GenericFaceOf(const std::string& face) {
    std::string name;
    for (char c : face)
        name.push_back(char(std::tolower(static_cast<unsigned char>(c))));
    auto has = [&name](const char* part) { return name.find(part) != std::string::npos; };
    if (name == "_typewriter" || has("courier") || has("mono"))
        return GenericFace::Typewriter;
    if (name == "_serif" || has("times") || has("georgia") || (has("serif") && !has("sans")))
        return GenericFace::Serif;
    return GenericFace::Sans;
}

const DeviceGlyph* BoxFontProvider::Glyph(const std::string&, bool, bool, char32_t code) {
    if (!box_.Outline) {
        box_ = {std::make_shared<const DrawableShape>(BoxShape()), 600};
        space_ = {std::make_shared<const DrawableShape>(Shape{}), 600};
    }
    return code <= ' ' ? &space_ : &box_;
}

FontMetrics BoxFontProvider::Metrics(const std::string&, bool, bool) { return {922, 236, 0}; }

} // namespace swf
