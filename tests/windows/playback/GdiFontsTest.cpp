#include "TestWindows.h"

#include "playback/GdiFonts.h"
#include "playback/GlyphOutline.h"
#include "playback/ShockwaveFlash.h"
#include "swfwriter/TagBodies.h"
#include "ui/Form.h"
#include "ui/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace playback {
namespace {

TEST(GdiFonts, GenericNamesFindInstalledFacesAndUnknownNamesFallBack) {
    GdiFonts fonts;
    for (const char* name : {"_sans", "_serif", "_typewriter"})
        EXPECT_TRUE(fonts.IsInstalled(fonts.InstalledFaceFor(name))) << name;
    EXPECT_FALSE(fonts.IsInstalled(L"No Such Face 4711"));
    EXPECT_EQ(fonts.InstalledFaceFor("No Such Face 4711"), fonts.InstalledFaceFor("_sans"));
    EXPECT_EQ(fonts.InstalledFaceFor("No Such Mono"), fonts.InstalledFaceFor("_typewriter"));
    EXPECT_EQ(fonts.InstalledFaceFor("No Such Serif"), fonts.InstalledFaceFor("_serif"));
    // An installed face is drawn with itself.
    std::wstring serif = fonts.InstalledFaceFor("_serif");
    EXPECT_EQ(fonts.InstalledFaceFor(ui::Narrow(serif)), serif);
    // And an unknown face still draws.
    EXPECT_NE(fonts.Glyph("No Such Face 4711", false, false, 'A'), nullptr);
}

struct Extent {
    double MinX = 1e9, MaxX = -1e9, MinY = 1e9, MaxY = -1e9;
};

Extent ExtentOf(const swf::Shape& shape) {
    Extent e;
    auto add = [&e](swf::Point p) {
        e.MinX = std::min(e.MinX, p.X), e.MaxX = std::max(e.MaxX, p.X);
        e.MinY = std::min(e.MinY, p.Y), e.MaxY = std::max(e.MaxY, p.Y);
    };
    for (const swf::Path& path : shape.Paths) {
        add(path.Start);
        for (const swf::Segment& s : path.Segments)
            add(s.To);
    }
    return e;
}

TEST(GdiFonts, OutlinesAdvancesAndMetrics) {
    GdiFonts fonts;
    const swf::DeviceGlyph* a = fonts.Glyph("_sans", false, false, 'A');
    ASSERT_NE(a, nullptr);
    EXPECT_GT(a->Advance, 450);
    EXPECT_LT(a->Advance, 850);
    // A capital stands on the baseline (y down, 1024 per em) and fits its
    // advance.
    Extent e = ExtentOf(a->Outline->Source);
    EXPECT_NEAR(e.MaxY, 0, 4);
    EXPECT_LT(e.MinY, -600);
    EXPECT_GT(e.MinY, -900);
    EXPECT_GE(e.MinX, -20);
    EXPECT_LE(e.MaxX, a->Advance + 20);
    // A space moves the pen and draws nothing.
    const swf::DeviceGlyph* space = fonts.Glyph("_sans", false, false, ' ');
    ASSERT_NE(space, nullptr);
    EXPECT_GT(space->Advance, 150);
    EXPECT_TRUE(space->Outline->Source.Paths.empty());
    // The typewriter face is monospaced; bold is wider than regular.
    EXPECT_EQ(fonts.Glyph("_typewriter", false, false, 'i')->Advance,
              fonts.Glyph("_typewriter", false, false, 'W')->Advance);
    EXPECT_GT(fonts.Glyph("_sans", true, false, 'm')->Advance,
              fonts.Glyph("_sans", false, false, 'm')->Advance);
    swf::FontMetrics m = fonts.Metrics("_sans", false, false);
    EXPECT_GT(m.Ascent, 700);
    EXPECT_LT(m.Ascent, 1100);
    EXPECT_GT(m.Descent, 100);
    EXPECT_LT(m.Descent, 400);
}

// A glyph buffer as GetGlyphOutlineW fills it, written by hand.
class OutlineBuffer {
public:
    template <typename T> void Put(const T& value) {
        auto bytes = reinterpret_cast<const uint8_t*>(&value);
        data.insert(data.end(), bytes, bytes + sizeof value);
    }
    static POINTFX Fx(int x, int y) { return {{0, short(x)}, {0, short(y)}}; }
    void Polygon(DWORD cb, int x, int y) { Put(TTPOLYGONHEADER{cb, TT_POLYGON_TYPE, Fx(x, y)}); }
    void Record(WORD type, std::initializer_list<POINTFX> points) {
        Put(type);
        Put(WORD(points.size()));
        for (const POINTFX& p : points)
            Put(p);
    }
    std::vector<uint8_t> data;
};

TEST(GlyphOutline, LinesSplinesAndLyingSizes) {
    OutlineBuffer b;
    DWORD cb = sizeof(TTPOLYGONHEADER) + 2 * sizeof(WORD) * 2 + 4 * sizeof(POINTFX);
    b.Polygon(cb, 0, 0);
    b.Record(TT_PRIM_LINE, {OutlineBuffer::Fx(10, 0)});
    b.Record(TT_PRIM_QSPLINE, {OutlineBuffer::Fx(10, 10), OutlineBuffer::Fx(0, 10), OutlineBuffer::Fx(0, 5)});
    swf::Shape shape = OutlineToShape(b.data, 2);
    ASSERT_EQ(shape.Paths.size(), 1u);
    const auto& s = shape.Paths[0].Segments;
    ASSERT_EQ(s.size(), 4u); // line, two curves (an implied point between), closing line
    EXPECT_FALSE(s[0].Curve);
    EXPECT_EQ(s[0].To.X, 20);
    EXPECT_TRUE(s[1].Curve);
    EXPECT_EQ(s[1].Control.Y, -20); // y flipped
    EXPECT_EQ(s[1].To.X, 10);       // halfway between the two off-curve points
    EXPECT_EQ(s[2].To.Y, -10);
    EXPECT_EQ(s[3].To.X, 0);
    EXPECT_EQ(s[3].To.Y, 0);

    // A polygon claiming more than the buffer holds is not read; a record
    // claiming more points than its polygon holds ends that polygon.
    OutlineBuffer longer;
    longer.Polygon(100000, 0, 0);
    longer.Record(TT_PRIM_LINE, {OutlineBuffer::Fx(1, 1)});
    EXPECT_TRUE(OutlineToShape(longer.data, 1).Paths.empty());
    OutlineBuffer overrun;
    overrun.Polygon(sizeof(TTPOLYGONHEADER) + 4 + sizeof(POINTFX), 0, 0);
    overrun.Put(WORD(TT_PRIM_LINE));
    overrun.Put(WORD(5000));
    overrun.Put(OutlineBuffer::Fx(1, 1));
    swf::Shape cut = OutlineToShape(overrun.data, 1);
    ASSERT_EQ(cut.Paths.size(), 1u);
    EXPECT_TRUE(cut.Paths[0].Segments.empty());
    EXPECT_TRUE(OutlineToShape({}, 1).Paths.empty());
}

// A one-frame movie of 200x60 pixels: four full stops in a device font,
// 40 pixels high, black on white.
std::vector<uint8_t> DeviceTextMovie() {
    swfw::MovieWriter w(10, {0, 4000, 0, 1200}, 12);
    w.SetBackgroundColor(255, 255, 255);
    w.Tag(swfw::code::DefineFont2, swfw::Font2Body(1, "_sans", {}, 0, 0)); // no glyphs: a device font
    swfw::Field field{{0, 4000, 0, 1200}, 1, 800, {0, 0, 0, 255}, "....", false};
    w.Tag(swfw::code::DefineEditText, swfw::EditTextBody(2, field));
    swfw::Place place;
    place.CharacterId = 2;
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(place));
    w.ShowFrame();
    return w.Build();
}

int InkOf(const std::vector<uint32_t>& pixels) {
    return int(std::count_if(pixels.begin(), pixels.end(), [](uint32_t p) { return (p & 0xff) < 128; }));
}

TEST(PlayerControl, DeviceTextShowsGlyphsNotBoxes) {
    auto path = std::filesystem::temp_directory_path() / L"kfp device text.swf";
    auto movie = DeviceTextMovie();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(movie.data()), std::streamsize(movie.size()));

    // Without a font provider the engine draws a box per character.
    swf::Player boxes;
    boxes.Load(movie);
    std::vector<uint32_t> boxPixels(200 * 60);
    boxes.Render({boxPixels.data(), 200, 60, 200}, std::nullopt);

    ui::Form form;
    form.SetClientSize(200, 60);
    auto& flash = form.Add<TShockwaveFlash>();
    flash.SetBounds({0, 0, 200, 60});
    form.ShowMain();
    flash.SetMovie(path.wstring());
    RedrawWindow(flash.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    std::vector<uint32_t> shown;
    HDC dc = GetDC(flash.Handle());
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x)
            shown.push_back(GetBValue(GetPixel(dc, x, y)));
    ReleaseDC(flash.Handle(), dc);
    std::filesystem::remove(path);

    int glyphInk = InkOf(shown), boxInk = InkOf(boxPixels);
    EXPECT_GT(glyphInk, 4 * 8); // four dots of some size
    EXPECT_LT(glyphInk * 3, boxInk);
}

} // namespace
} // namespace playback
