#include "swf/FreeTypeFonts.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>

namespace swf {

struct FreeTypeFonts::Library {
    FT_Library Handle = nullptr;
    Library() {
        if (FT_Init_FreeType(&Handle) != 0)
            Handle = nullptr;
    }
    ~Library() {
        if (Handle)
            FT_Done_FreeType(Handle);
    }
};

struct FreeTypeFonts::Face {
    FT_Face Handle = nullptr;
    explicit Face(FT_Library library, const std::filesystem::path& path) {
        if (!library || FT_New_Face(library, path.string().c_str(), 0, &Handle) != 0)
            Handle = nullptr;
    }
    ~Face() {
        if (Handle)
            FT_Done_Face(Handle);
    }
    // Font units to 1024 per em.
    double Scale() const { return 1024.0 / std::max<FT_UShort>(Handle->units_per_EM, 1); }
};

namespace {

std::string FileFor(const std::string& face, bool bold, bool italic) {
    GenericFace generic = GenericFaceOf(face);
    bool serif = generic == GenericFace::Serif;
    std::string family = generic == GenericFace::Typewriter ? "DejaVuSansMono"
                         : serif                            ? "DejaVuSerif"
                                                            : "DejaVuSans";
    std::string slant = serif ? "Italic" : "Oblique";
    std::string style = bold && italic ? "-Bold" + slant : bold ? "-Bold" : italic ? "-" + slant : "";
    return family + style + ".ttf";
}

// Collects a FreeType outline as shape paths, y flipped to point down.
struct OutlineSink {
    Shape Out;
    double Scale;
    Point Pen;

    Point Map(const FT_Vector* v) const { return {v->x * Scale, -v->y * Scale}; }

    static int MoveTo(const FT_Vector* to, void* user) {
        auto* self = static_cast<OutlineSink*>(user);
        Path p;
        p.Start = self->Pen = self->Map(to);
        p.Fill1 = 1;
        self->Out.Paths.push_back(p);
        return 0;
    }
    static int LineTo(const FT_Vector* to, void* user) {
        auto* self = static_cast<OutlineSink*>(user);
        self->Pen = self->Map(to);
        self->Out.Paths.back().Segments.push_back({{}, self->Pen, false});
        return 0;
    }
    static int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
        auto* self = static_cast<OutlineSink*>(user);
        self->Pen = self->Map(to);
        self->Out.Paths.back().Segments.push_back({self->Map(control), self->Pen, true});
        return 0;
    }
    // Cubic curves (rare in these faces) become one quadratic through the
    // mean of the control points.
    static int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
        auto* self = static_cast<OutlineSink*>(user);
        Point a = self->Map(c1), b = self->Map(c2);
        self->Pen = self->Map(to);
        self->Out.Paths.back().Segments.push_back({{(a.X + b.X) / 2, (a.Y + b.Y) / 2}, self->Pen, true});
        return 0;
    }
};

} // namespace

FreeTypeFonts::FreeTypeFonts(std::filesystem::path directory)
    : directory_(std::move(directory)), library_(std::make_unique<Library>()) {}

FreeTypeFonts::~FreeTypeFonts() = default;

FreeTypeFonts::Face* FreeTypeFonts::Open(const std::string& face, bool bold, bool italic) {
    std::string file = FileFor(face, bold, italic);
    auto it = faces_.find(file);
    if (it == faces_.end())
        it = faces_.emplace(file, std::make_unique<Face>(library_->Handle, directory_ / file)).first;
    return it->second->Handle ? it->second.get() : nullptr;
}

const DeviceGlyph* FreeTypeFonts::Glyph(const std::string& face, bool bold, bool italic, char32_t code) {
    Face* f = Open(face, bold, italic);
    if (!f)
        return nullptr;
    auto key = std::make_tuple(FileFor(face, bold, italic), code);
    if (auto it = glyphs_.find(key); it != glyphs_.end())
        return it->second.get();
    FT_UInt index = FT_Get_Char_Index(f->Handle, code);
    if (index == 0 || FT_Load_Glyph(f->Handle, index, FT_LOAD_NO_SCALE) != 0 ||
        f->Handle->glyph->format != FT_GLYPH_FORMAT_OUTLINE) {
        glyphs_[key] = nullptr;
        return nullptr;
    }
    OutlineSink sink{{}, f->Scale(), {}};
    sink.Out.Fills.push_back({});
    sink.Out.NonZero = true;
    FT_Outline_Funcs funcs{
        OutlineSink::MoveTo, OutlineSink::LineTo, OutlineSink::ConicTo, OutlineSink::CubicTo, 0, 0};
    FT_Outline_Decompose(&f->Handle->glyph->outline, &funcs, &sink);
    auto glyph = std::make_unique<DeviceGlyph>();
    glyph->Outline = std::make_shared<const DrawableShape>(std::move(sink.Out));
    glyph->Advance = f->Handle->glyph->metrics.horiAdvance * f->Scale();
    return (glyphs_[key] = std::move(glyph)).get();
}

FontMetrics FreeTypeFonts::Metrics(const std::string& face, bool bold, bool italic) {
    Face* f = Open(face, bold, italic);
    if (!f)
        return BoxFontProvider().Metrics(face, bold, italic);
    double s = f->Scale();
    double ascent = f->Handle->ascender * s, descent = -f->Handle->descender * s;
    return {ascent, descent, std::max(0.0, f->Handle->height * s - ascent - descent)};
}

} // namespace swf
