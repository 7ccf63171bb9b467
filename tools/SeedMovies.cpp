#include "SeedMovies.h"

#include "swf/script/ActionCodes.h"
#include "swfwriter/ActionAssembler.h"
#include "swfwriter/GifWriter.h"
#include "swfwriter/PngWriter.h"
#include "swfwriter/SoundBodies.h"
#include "swfwriter/TagBodies.h"

#include <random>

namespace tools {
namespace {

using swfw::code::DefineShape3;

void Square(swfw::ShapeBuilder& s, int32_t x, int32_t y, int32_t size) {
    s.MoveTo(x, y);
    s.LineTo(x + size, y);
    s.CurveTo(x + size + size / 4, y + size / 2, x + size, y + size);
    s.LineTo(x, y + size);
    s.LineTo(x, y);
}

void Place(swfw::MovieWriter& w, uint16_t depth, uint16_t id, swfw::Transform m = {}) {
    swfw::Place p;
    p.Depth = depth;
    p.CharacterId = id;
    p.Matrix = m;
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(p));
}

std::vector<uint8_t> ShapesMovie(swfw::Compression compression) {
    swfw::MovieWriter w(10, {0, 4000, 0, 3000}, 24);
    w.SetBackgroundColor(240, 240, 240);
    swfw::ShapeBuilder s(4);
    uint32_t solid = s.SolidFill({200, 30, 30, 255});
    uint32_t grad = s.GradientFill(
        0x13, {0.05, 0, 0, 0.05, 1000, 1000},
        {{0, {255, 255, 0, 255}}, {128, {0, 128, 255, 200}}, {255, {0, 0, 0, 255}}}, 1, 1, 0.5);
    uint32_t line = s.Line4(60, {0, 0, 0, 255}, 2, 2, 1, 2.5);
    s.Styles(0, solid, line);
    Square(s, 200, 200, 1200);
    s.Styles(solid, grad, 0);
    Square(s, 800, 800, 1500);
    s.NewStyles();
    uint32_t again = s.SolidFill({0, 90, 0, 128});
    s.Styles(0, again, 0);
    Square(s, 1500, 300, 900);
    w.Tag(swfw::code::DefineShape4, swfw::ShapeBody(1, 4, {0, 4000, 0, 3000}, s));
    swfw::MovieWriter sprite(10, {}, 24);
    Place(sprite, 1, 1, {0.5, 0.2, -0.2, 0.5, 100, 100});
    sprite.ShowFrame();
    swfw::Place move;
    move.Move = true;
    move.Matrix = swfw::Transform{0.7, 0, 0, 0.7, 300, 0};
    sprite.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(move));
    sprite.ShowFrame();
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(2, sprite));
    swfw::Place mask;
    mask.Depth = 1;
    mask.CharacterId = 1;
    mask.ClipDepth = 3;
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(mask));
    Place(w, 2, 2);
    Place(w, 4, 1, {1, 0, 0, 1, 1500, 500});
    w.ShowFrame();
    w.Tag(swfw::code::RemoveObject2, swfw::RemoveObject2Body(4));
    w.ShowFrame();
    return w.Build(compression);
}

std::vector<uint32_t> Checker(int size) {
    std::vector<uint32_t> p(size_t(size * size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            p[size_t(y * size + x)] = ((x / 4 + y / 4) % 2) ? 0xff2040c0u : 0x80808000u;
    return p;
}

// An interlaced palette PNG with translucent entries, and an interlaced
// GIF with a transparent index.
std::vector<uint8_t> SeedPng() {
    swfw::PngImage png;
    png.Width = png.Height = 12;
    png.ColorType = 3;
    png.BitDepth = 2;
    png.Interlaced = true;
    png.Palette = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    png.Transparency = {255, 128, 0};
    for (int i = 0; i < 144; ++i)
        png.Samples.push_back(uint16_t((i / 12 + i % 12) % 4));
    return swfw::EncodePng(png);
}

std::vector<uint8_t> SeedGif() {
    swfw::GifImage gif;
    gif.ScreenWidth = gif.ScreenHeight = 12;
    gif.Left = gif.Top = 2;
    gif.Width = gif.Height = 8;
    gif.GlobalColors = {0xff0000, 0x00ff00, 0x0000ff, 0xffffff};
    gif.MinCodeSize = 2;
    gif.Transparent = 3;
    gif.Interlaced = true;
    for (int i = 0; i < 64; ++i)
        gif.Indices.push_back(uint8_t((i / 8 * i % 8) % 4));
    return swfw::EncodeGif(gif);
}

std::vector<uint8_t> BitmapsMovie() {
    swfw::MovieWriter w(10, {0, 4000, 0, 3000}, 24);
    auto pixels = Checker(16);
    w.Tag(swfw::code::DefineBitsLossless2, swfw::LosslessBody(1, 2, 16, 16, pixels));
    w.Tag(swfw::code::DefineBitsLossless,
          swfw::LosslessPaletteBody(2, 1, 3, 2, {0xff0000ffu, 0xffff0000u}, {0, 1, 0, 1, 0, 1}));
    auto jpeg = swfw::EncodeJpeg(16, 16, pixels);
    w.Tag(swfw::code::DefineBitsJpeg2, swfw::Jpeg2Body(3, jpeg));
    w.Tag(swfw::code::DefineBitsJpeg3, swfw::Jpeg3Body(4, jpeg, std::vector<uint8_t>(256, 100)));
    w.Tag(swfw::code::DefineBitsJpeg2, swfw::Jpeg2Body(6, SeedPng()));
    w.Tag(swfw::code::DefineBitsJpeg3, swfw::Jpeg3Body(7, SeedGif(), {}));
    swfw::ShapeBuilder s;
    int column = 0;
    for (uint16_t id : {1, 2, 3, 4, 6, 7}) {
        uint32_t fill = s.BitmapFill(id, {40, 10, -10, 40, 0, 0}, uint8_t(0x40 + id % 4));
        s.Styles(0, fill, 0);
        Square(s, 100 + column % 4 * 900, 300 + column / 4 * 1200, 600);
        ++column;
    }
    w.Tag(DefineShape3, swfw::ShapeBody(5, 3, {0, 4000, 0, 3000}, s));
    Place(w, 1, 5);
    w.ShowFrame();
    return w.Build(); // uncompressed, so that the fuzzer mutates the images themselves
}

std::vector<uint8_t> TextMovie() {
    swfw::MovieWriter w(10, {0, 4000, 0, 3000}, 24);
    swfw::Glyph g{'A', swfw::ShapeBuilder(1), 900};
    g.Outline.Styles(0, 1, 0);
    g.Outline.MoveTo(0, 0);
    g.Outline.LineTo(400, -900);
    g.Outline.CurveTo(600, -950, 800, 0);
    g.Outline.LineTo(0, 0);
    w.Tag(swfw::code::DefineFont2, swfw::Font2Body(1, "Seed", {g}, 900, 200));
    w.Tag(swfw::code::DefineText, swfw::TextBody(2, 1, {0, 4000, 0, 1000},
                                                 {{1, {0, 0, 0, 255}, 100, 600, 400, {{0, 500}, {0, 500}}}}));
    swfw::Field field{{0, 3000, 1000, 2000},
                      1,
                      300,
                      {0, 0, 200, 255},
                      "<p>A <b>A</b> <font color=\"#ff0000\">AA</font></p>",
                      true};
    field.Html = true;
    field.Border = true;
    field.WordWrap = true;
    w.Tag(swfw::code::DefineEditText, swfw::EditTextBody(3, field));
    swfw::Field device{{0, 3000, 2000, 3000}, std::nullopt, 240, {0, 0, 0, 255}, "device text", false};
    w.Tag(swfw::code::DefineEditText, swfw::EditTextBody(4, device));
    w.Tag(swfw::code::DefineButton2, swfw::Button2Body(5, {{1, 2, 1, {}}, {8, 3, 2, {}}}));
    Place(w, 1, 2);
    Place(w, 2, 3);
    Place(w, 3, 4);
    Place(w, 4, 5, {1, 0, 0, 1, 0, 2000});
    w.ShowFrame();
    return w.Build();
}

std::vector<uint8_t> MorphMovie() {
    swfw::MovieWriter w(10, {0, 4000, 0, 3000}, 24);
    swfw::ShapeBuilder start, end;
    start.Styles(0, 1, 0);
    Square(start, 100, 100, 500);
    Square(end, 1000, 800, 1800);
    w.Tag(swfw::code::DefineMorphShape,
          swfw::MorphBody(1, {0, 4000, 0, 3000}, {{{255, 0, 0, 255}, {0, 0, 255, 128}}}, start, end));
    swfw::Place p;
    p.CharacterId = 1;
    p.Ratio = 0;
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(p));
    w.ShowFrame();
    swfw::Place m;
    m.Move = true;
    m.Ratio = 40000;
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(m));
    w.ShowFrame();
    return w.Build(swfw::Compression::Lzma);
}

std::vector<uint8_t> Noise(size_t count, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(count);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(random());
    return bytes;
}

// Event sounds with every sound-info field, an ADPCM stream on the movie's
// timeline and a PCM stream in a sprite.
std::vector<uint8_t> SoundMovie() {
    using swfw::SoundFormatBits;
    swfw::MovieWriter w(8, {0, 2000, 0, 2000}, 12);
    w.Tag(swfw::code::DefineSound,
          swfw::DefineSoundBody(1, SoundFormatBits(3, 0, false, false), 200, Noise(200, 1)));
    w.Tag(swfw::code::DefineSound,
          swfw::DefineSoundBody(2, SoundFormatBits(1, 2, true, true), 900, Noise(600, 2)));
    swfw::SoundStart shaped;
    shaped.InPoint = 80;
    shaped.OutPoint = 1200;
    shaped.Loops = 3;
    shaped.Envelope = {{0, 0, 32768}, {800, 32768, 0}};
    w.Tag(swfw::code::StartSound, swfw::StartSoundBody(1, shaped));
    swfw::SoundStart once;
    once.NoMultiple = true;
    w.Tag(swfw::code::StartSound, swfw::StartSoundBody(2, {}));
    w.Tag(swfw::code::StartSound, swfw::StartSoundBody(2, once));
    swfw::MovieWriter sprite(8, {}, 12);
    sprite.Tag(swfw::code::SoundStreamHead2, swfw::StreamHeadBody(SoundFormatBits(3, 1, true, false), 920));
    for (uint32_t k = 0; k < 2; ++k) {
        sprite.Tag(swfw::code::SoundStreamBlock, Noise(1840, 10 + k));
        sprite.ShowFrame();
    }
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(3, sprite));
    Place(w, 1, 3);
    w.Tag(swfw::code::SoundStreamHead2, swfw::StreamHeadBody(SoundFormatBits(1, 1, true, false), 920));
    for (uint32_t k = 0; k < 3; ++k) {
        w.Tag(swfw::code::SoundStreamBlock, Noise(300, 20 + k));
        w.ShowFrame();
    }
    swfw::SoundStart stop;
    stop.Stop = true;
    w.Tag(swfw::code::StartSound, swfw::StartSoundBody(1, stop));
    w.ShowFrame();
    return w.Build();
}

// Actions of every family: a loop, a function with a closure, an object, an
// exception, `with`, timeline control, and clip events on a sprite.
std::vector<uint8_t> ScriptMovie() {
    namespace act = swf::action;
    swfw::MovieWriter w(8, {0, 4000, 0, 3000}, 12);
    swfw::MovieWriter sprite(8, {}, 12);
    swfw::ActionAssembler step;
    step.Push("n").Push("n").Op(act::GetVariable).Op(act::Increment).Op(act::SetVariable);
    sprite.Tag(swfw::code::DoAction, step.Bytes());
    sprite.ShowFrame();
    sprite.ShowFrame();
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(1, sprite));
    swfw::Place p;
    p.CharacterId = 1;
    p.Name = "clip";
    swfw::ActionAssembler load;
    load.Push("this").Op(act::GetVariable).Op(act::Trace);
    w.Tag(swfw::code::PlaceObject2, swfw::WithClipActions(swfw::PlaceObject2Body(p), {{0x03, load}}, 8));
    swfw::ActionAssembler body, thrown, a;
    body.Push("x").Op(act::GetVariable).Push(2.0).Op(act::Multiply).Op(act::Return);
    thrown.Push("e").Op(act::GetVariable).Op(act::Trace);
    swfw::ActionAssembler risky;
    risky.Push("boom").Op(act::Throw);
    auto top = a.NewLabel(), done = a.NewLabel();
    a.ConstantPool({"i", "f"}).DefineFunction("f", {"x"}, body);
    a.PushConstant(0).Push(0.0).Op(act::SetVariable).Bind(top);
    a.PushConstant(0).Op(act::GetVariable).Push(3.0).Op(act::Less2).Op(act::Not).If(done);
    a.PushConstant(0).Op(act::GetVariable).Push(1.0).PushConstant(1).Op(act::CallFunction).Op(act::Trace);
    a.PushConstant(0).PushConstant(0).Op(act::GetVariable).Op(act::Increment).Op(act::SetVariable).Jump(top);
    a.Bind(done).Push("k").Push(1.0).Push(1.0).Op(act::InitObject).Op(act::Trace);
    a.Try(risky, "e", &thrown, nullptr);
    a.Push("clip").Op(act::GetVariable).With(swfw::ActionAssembler().TraceVariable("n"));
    a.SetTarget("clip").Op(act::Stop).SetTarget("").GotoFrame(0);
    w.Tag(swfw::code::DoAction, a.Bytes());
    w.ShowFrame();
    w.ShowFrame();
    return w.Build();
}

} // namespace

std::vector<std::pair<std::string, std::vector<uint8_t>>> SeedMovies() {
    return {{"shapes.swf", ShapesMovie(swfw::Compression::None)},
            {"shapes-zlib.swf", ShapesMovie(swfw::Compression::Zlib)},
            {"bitmaps.swf", BitmapsMovie()},
            {"text.swf", TextMovie()},
            {"morph.swf", MorphMovie()},
            {"sound.swf", SoundMovie()},
            {"script.swf", ScriptMovie()}};
}

// Each shape is a character of its own at a depth of its own.
std::vector<uint8_t> HeavyScene(Scene scene, int count) {
    std::mt19937 rng(7);
    swfw::MovieWriter w(10, {0, 25600, 0, 14400}, 30);
    w.SetBackgroundColor(255, 255, 255);
    if (scene == Scene::Bitmaps)
        w.Tag(swfw::code::DefineBitsLossless2, swfw::LosslessBody(1, 2, 64, 64, Checker(64)));
    for (int i = 0; i < count; ++i) {
        int32_t x = int32_t(rng() % 24000), y = int32_t(rng() % 13000), size = 400 + int32_t(rng() % 3000);
        uint8_t r = uint8_t(rng()), g = uint8_t(rng()), b = uint8_t(rng());
        swfw::ShapeBuilder s;
        if (scene == Scene::Strokes) {
            uint32_t line = s.Line(uint16_t(20 + rng() % 100), {r, g, b, 255});
            s.Styles(0, 0, line);
            s.MoveTo(x, y);
            s.CurveTo(x + size, y - size / 2, x + size, y + size);
            s.LineTo(x, y + size / 2);
        } else {
            swfw::Transform m{size / 32768.0, 0, 0, size / 32768.0, x + size / 2, y + size / 2};
            uint32_t fill = scene == Scene::Gradients
                                ? s.GradientFill(uint8_t(i % 2 ? 0x10 : 0x12), m,
                                                 {{0, {r, g, b, 255}}, {255, {b, r, g, 160}}})
                                : s.BitmapFill(1, {size / 1280.0, 0, 0, size / 1280.0, x, y}, 0x40);
            s.Styles(0, fill, 0);
            Square(s, x, y, size);
        }
        auto id = uint16_t(i + 2);
        w.Tag(DefineShape3, swfw::ShapeBody(id, 3, {0, 25600, 0, 14400}, s));
        Place(w, uint16_t(i + 1), id);
    }
    w.ShowFrame();
    return w.Build();
}

std::vector<uint8_t> SoundScene(int voices, int seconds) {
    swfw::MovieWriter w(8, {0, 2000, 0, 2000}, 30);
    // 2 header bits, then per 4096-sample packet 22 bits and 4095 4-bit codes
    // for each channel.
    const size_t frames = size_t(22050) * size_t(seconds);
    const size_t bytes = (frames / 4096 + 1) * (2 * 22 + 4095 * 8) / 8;
    for (int v = 1; v <= voices; ++v) {
        auto data = Noise(bytes, uint32_t(100 + v));
        data[0] = uint8_t((data[0] & 0x3F) | 0x80); // 4-bit codes
        w.Tag(swfw::code::DefineSound,
              swfw::DefineSoundBody(uint16_t(v), swfw::SoundFormatBits(1, 2, true, true), uint32_t(frames),
                                    data));
        w.Tag(swfw::code::StartSound, swfw::StartSoundBody(uint16_t(v), {}));
    }
    w.ShowFrame();
    return w.Build();
}

} // namespace tools
