#include "RenderHelpers.h"

#include "swf/FontProvider.h"

#include <gtest/gtest.h>

namespace {

using testing_swf::Frame;
using testing_swf::SquareFont;

TEST(Text, StaticTextPlacesGlyphsOfEmbeddedFonts) {
    auto w = testing_swf::Stage(60, 20);
    w.Tag(swfw::code::DefineFont2, SquareFont(1, 'A'));
    // Two 10-pixel glyphs on a baseline 15 pixels down, the second 20
    // pixels right of the first.
    w.Tag(swfw::code::DefineText,
          swfw::TextBody(2, 1, {0, 1200, 0, 400},
                         {{1, {255, 0, 0, 255}, 100, 300, 200, {{0, 400}, {0, 400}}}}));
    testing_swf::PlaceAt(w, 1, 2);
    w.ShowFrame();
    Frame f = testing_swf::RenderMovie(w.Build());
    EXPECT_EQ(f.At(10, 10), 0xffff0000u);
    EXPECT_EQ(f.At(30, 10), 0xffff0000u);
    EXPECT_EQ(f.At(20, 10), 0xffffffffu);
    EXPECT_EQ(f.At(10, 3), 0xffffffffu);
}

// Records what text fields ask the device font provider for.
class RecordingFonts : public swf::BoxFontProvider {
public:
    const swf::DeviceGlyph* Glyph(const std::string& face, bool bold, bool italic, char32_t code) override {
        requests += std::string(1, char(code)) + (bold ? "b" : "") + (italic ? "i" : "") + "@" + face + " ";
        return BoxFontProvider::Glyph(face, bold, italic, code);
    }
    std::string requests;
};

TEST(Text, FieldsUseEmbeddedOutlinesOrTheDeviceFonts) {
    auto w = testing_swf::Stage(100, 40);
    w.Tag(swfw::code::DefineFont2, SquareFont(1, 'A'));
    swfw::Field embedded{{0, 2000, 0, 800}, 1, 200, {0, 0, 255, 255}, "AA", true};
    w.Tag(swfw::code::DefineEditText, swfw::EditTextBody(2, embedded));
    swfw::Field device{{0, 2000, 0, 800}, std::nullopt, 200, {0, 0, 0, 255}, "<b>x</b>y", false};
    device.Html = true;
    w.Tag(swfw::code::DefineEditText, swfw::EditTextBody(3, device));
    testing_swf::PlaceAt(w, 1, 2);
    testing_swf::PlaceAt(w, 2, 3, 0, 20);
    w.ShowFrame();
    swf::Player p;
    auto fonts = std::make_shared<RecordingFonts>();
    p.SetFontProvider(fonts);
    p.Load(w.Build());
    Frame f = testing_swf::Render(p);
    // Two pixels of gutter, then two 10-pixel squares.
    EXPECT_EQ(f.At(6, 8), 0xff0000ffu);
    EXPECT_EQ(f.At(17, 8), 0xff0000ffu);
    EXPECT_EQ(f.At(25, 8), 0xffffffffu);
    EXPECT_EQ(fonts->requests, "xb@_sans y@_sans ");
}

TEST(Text, GlyphsMoveOnByWholeTwips) {
    // 40 squares of 10 pixels, each advancing 1034/1024 of 200 twips
    // (201.95): placed at 201 twips apiece, the last one ends at 403.95
    // pixels, where the exact advances would end it at 405.8.
    auto w = testing_swf::Stage(420, 20);
    w.Tag(swfw::code::DefineFont2, SquareFont(1, 'A', 1034));
    swfw::Field field{{0, 8400, 0, 400}, 1, 200, {0, 0, 0, 255}, std::string(40, 'A'), true};
    w.Tag(swfw::code::DefineEditText, swfw::EditTextBody(2, field));
    testing_swf::PlaceAt(w, 1, 2);
    w.ShowFrame();
    Frame f = testing_swf::RenderMovie(w.Build(), swf::Quality::Low);
    EXPECT_EQ(f.At(403, 8), 0xff000000u);
    EXPECT_EQ(f.At(404, 8), 0xffffffffu);
    EXPECT_EQ(f.At(1, 8), 0xffffffffu); // the gutter
    EXPECT_EQ(f.At(2, 8), 0xff000000u);
}

TEST(Text, WordWrapBreaksAtSpaces) {
    auto w = testing_swf::Stage(60, 60);
    w.Tag(swfw::code::DefineFont2, SquareFont(1, 'A'));
    // 10-pixel glyphs in a 44-pixel field: "AA AA" needs 50 pixels.
    swfw::Field field{{0, 880, 0, 1200}, 1, 200, {0, 0, 0, 255}, "AA AA", true};
    field.WordWrap = true;
    field.Multiline = true;
    w.Tag(swfw::code::DefineEditText, swfw::EditTextBody(2, field));
    testing_swf::PlaceAt(w, 1, 2);
    w.ShowFrame();
    Frame f = testing_swf::RenderMovie(w.Build());
    EXPECT_EQ(f.At(6, 8), 0xff000000u);
    EXPECT_EQ(f.At(37, 8), 0xffffffffu); // the second word moved down
    EXPECT_EQ(f.At(6, 18), 0xff000000u);
}

} // namespace

namespace {

TEST(Text, ParagraphsAlignAsTheirHtmlSays) {
    auto w = testing_swf::Stage(60, 60);
    w.Tag(swfw::code::DefineFont2, SquareFont(1, 'A'));
    // A 54-pixel field (50 inside the gutters) with 10-pixel glyphs.
    swfw::Field field{{0, 1080, 0, 1200},
                      1,
                      200,
                      {0, 0, 0, 255},
                      "<p align=\"right\">A</p><p align=\"center\">A</p><p>A</p>",
                      true};
    field.Html = true;
    field.Multiline = true;
    w.Tag(swfw::code::DefineEditText, swfw::EditTextBody(2, field));
    testing_swf::PlaceAt(w, 1, 2);
    w.ShowFrame();
    Frame f = testing_swf::RenderMovie(w.Build());
    EXPECT_EQ(f.At(47, 8), 0xff000000u); // right: ends at 52
    EXPECT_EQ(f.At(40, 8), 0xffffffffu);
    EXPECT_EQ(f.At(27, 18), 0xff000000u); // centre: 22 to 32
    EXPECT_EQ(f.At(18, 18), 0xffffffffu);
    EXPECT_EQ(f.At(5, 28), 0xff000000u); // left
}

} // namespace
