#include "swf/TextRenderer.h"

#include "swf/TextLayout.h"

namespace swf {

void TextRenderer::DrawStatic(const StaticText& text, const DrawState& state) {
    DrawState inner{state.ToDevice.Then(text.Transform), state.Colors};
    for (const TextRun& run : text.Runs)
        if (const Font* font = dictionary_.FindFont(run.FontId))
            DrawRun(run, *font, inner);
}

// A font without outlines is a device font: its glyph indices pick codes
// from its code table, drawn by the font provider.
void TextRenderer::DrawRun(const TextRun& run, const Font& font, const DrawState& state) {
    bool device = font.Glyphs.empty();
    double scale = run.Height / (device ? 1024 : font.EmSize);
    for (const TextGlyph& g : run.Glyphs) {
        const DrawableShape* outline = nullptr;
        if (!device && g.Index < font.Glyphs.size())
            outline = font.Glyphs[g.Index].get();
        else if (device && g.Index < font.Codes.size())
            if (const DeviceGlyph* glyph =
                    fonts_.Glyph(font.Name, font.Bold, font.Italic, font.Codes[g.Index]))
                outline = glyph->Outline.get();
        if (!outline)
            continue;
        Matrix place{scale, 0, 0, scale, g.X, run.Y};
        shapes_.Draw(*outline, {state.ToDevice.Then(place), state.Colors}, &run.Color);
    }
}

void TextRenderer::DrawField(const EditText& field, const DrawState& state) {
    if (field.Border || field.Background)
        DrawBorder(field, state);
    for (const PlacedGlyph& g : TextLayout(field, dictionary_, fonts_).Lay())
        shapes_.Draw(*g.Outline, {state.ToDevice.Then(g.Transform), state.Colors}, &g.Color);
}

// A bordered field has a background (white unless a script chose) inside a
// one-pixel frame; scripts may ask for either alone.
void TextRenderer::DrawBorder(const EditText& field, const DrawState& state) {
    const Rect& b = field.Bounds;
    Shape box;
    box.Bounds = b;
    box.Fills.push_back(FillStyle{FillKind::Solid, field.BackgroundColor, {}, {}, 0, true, true, {}});
    LineStyle line;
    line.Width = 20;
    line.Color = field.BorderColor;
    line.JoinStyle = Join::Miter;
    box.Lines.push_back(line);
    Path p;
    p.Start = {double(b.XMin), double(b.YMin)};
    p.Fill1 = field.Background ? 1 : 0;
    p.Line = field.Border ? 1 : 0;
    for (Point to : {Point{double(b.XMax), double(b.YMin)}, Point{double(b.XMax), double(b.YMax)},
                     Point{double(b.XMin), double(b.YMax)}, Point{double(b.XMin), double(b.YMin)}})
        p.Segments.push_back({{}, to, false});
    box.Paths.push_back(p);
    shapes_.Draw(DrawableShape(std::move(box)), state);
}

} // namespace swf
