#include "RenderHelpers.h"
#include "ScriptHelpers.h"

#include "swf/Button.h"
#include "swf/HitTest.h"
#include "swf/TagCodes.h"
#include "swfwriter/ShapeBuilder.h"
#include "swfwriter/SoundBodies.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace testing_swf;
using Lines = std::vector<std::string>;
namespace cond = swf::buttoncond;

constexpr swfw::Rgba Red{255, 0, 0, 255}, Green{0, 160, 0, 255};

// A 100 x 100 pixel movie; character 1 is a red square (20, 20)-(40, 40),
// character 2 a green one over the same place.
swfw::MovieWriter SquareStage() {
    auto w = Stage(100, 100);
    w.Tag(swfw::code::DefineShape3, RectShape(1, 20, 20, 40, 40, Red));
    w.Tag(swfw::code::DefineShape3, RectShape(2, 20, 20, 40, 40, Green));
    return w;
}

// Button 3: red when up, green when over or down, hit by the square; each
// transition traces its name.
void DefineTracingButton(swfw::MovieWriter& w) {
    std::vector<swfw::ButtonActions> actions;
    for (auto [bit, name] :
         std::initializer_list<std::pair<uint16_t, const char*>>{{cond::RollOver, "rollOver"},
                                                                 {cond::RollOut, "rollOut"},
                                                                 {cond::Press, "press"},
                                                                 {cond::Release, "release"},
                                                                 {cond::ReleaseOutside, "releaseOutside"},
                                                                 {cond::DragOut, "dragOut"},
                                                                 {cond::DragOver, "dragOver"},
                                                                 {uint16_t('k' << 9), "key k"}})
        actions.push_back({bit, ActionAssembler().Trace(name).Code()});
    w.Tag(swfw::code::DefineButton2,
          swfw::Button2Body(3, {{1, 1, 1, {}}, {6, 2, 1, {}}, {8, 1, 2, {}}}, actions));
}

struct Session {
    explicit Session(const std::vector<uint8_t>& movie) {
        player.OnTrace = [this](const std::string& line) { lines.push_back(line); };
        player.Load(movie);
    }
    // Positions in stage pixels; the view is the stage's size.
    void Move(int x, int y) { player.MouseMove(x, y, 100, 100); }
    void Click(int x, int y) {
        Move(x, y);
        player.MouseDown();
        player.MouseUp();
    }
    Lines Take() { return std::exchange(lines, {}); }

    swf::Player player;
    Lines lines;
};

std::vector<uint8_t> OneButtonMovie(const ActionAssembler& script = {}) {
    auto w = SquareStage();
    DefineTracingButton(w);
    PlaceNamed(w, 1, 3, "b");
    if (!script.Code().empty())
        DoAction(w, script);
    w.ShowFrame();
    return w.Build();
}

TEST(ButtonMouse, TransitionsRunTheirConditionActions) {
    Session s(OneButtonMovie());
    s.Move(5, 5);
    s.Move(30, 30);
    s.Move(60, 60);
    EXPECT_EQ(s.Take(), (Lines{"rollOver", "rollOut"}));
    s.Click(30, 30);
    EXPECT_EQ(s.Take(), (Lines{"rollOver", "press", "release"}));
    // Pressed inside, dragged out and back, released outside.
    s.player.MouseDown();
    s.Move(60, 60);
    s.Move(35, 35);
    s.Move(90, 90);
    s.player.MouseUp();
    EXPECT_EQ(s.Take(), (Lines{"press", "dragOut", "dragOver", "dragOut", "releaseOutside"}));
    // A press that starts off the button is not a press of it.
    s.player.MouseDown();
    s.Move(30, 30);
    s.player.MouseUp();
    EXPECT_EQ(s.Take(), (Lines{"rollOver"}));
}

TEST(ButtonMouse, TheStateShownAndTheHandFollowThePointer) {
    Session s(OneButtonMovie());
    EXPECT_EQ(Render(s.player).At(30, 30), 0xffff0000u);
    s.Move(30, 30);
    EXPECT_TRUE(s.player.WantsHandCursor());
    EXPECT_EQ(Render(s.player).At(30, 30), 0xff00a000u);
    s.Move(50, 30);
    EXPECT_FALSE(s.player.WantsHandCursor());
    EXPECT_EQ(Render(s.player).At(30, 30), 0xffff0000u);
}

TEST(ButtonMouse, KeyConditionsHearTheirKeyOnly) {
    Session s(OneButtonMovie());
    s.player.KeyDown('J', 'j');
    s.player.KeyDown('K', 'k');
    EXPECT_EQ(s.Take(), (Lines{"key k"}));
}

TEST(ButtonMouse, ScriptsDisableTheButtonAndTakeItsHandAndEvents) {
    // b.useHandCursor = false; b.onRelease = function () { trace(this.v); }; b.v = "mine";
    ActionAssembler onRelease, a;
    onRelease.Push("this").Op(act::GetVariable).Push("v").Op(act::GetMember).Op(act::Trace);
    a.Push("b").Op(act::GetVariable).Push("useHandCursor").PushBool(false).Op(act::SetMember);
    a.Push("b").Op(act::GetVariable).Push("onRelease").DefineFunction("", {}, onRelease).Op(act::SetMember);
    a.Push("b").Op(act::GetVariable).Push("v").Push("mine").Op(act::SetMember);
    Session s(OneButtonMovie(a));
    s.Click(30, 30);
    EXPECT_FALSE(s.player.WantsHandCursor());
    EXPECT_EQ(s.Take(), (Lines{"rollOver", "press", "release", "mine"}));

    ActionAssembler off;
    off.Push("b").Op(act::GetVariable).Push("enabled").PushBool(false).Op(act::SetMember);
    Session disabled(OneButtonMovie(off));
    disabled.Click(30, 30);
    EXPECT_TRUE(disabled.Take().empty());
}

TEST(ButtonMouse, ClipsWithPressHandlersActAsButtonsAndShapesDoNotStopTheMouse) {
    auto w = SquareStage();
    DefineScriptedSprite(w, 4, {ActionAssembler()});
    // The clip holds the square; a plain shape lies over it.
    swfw::MovieWriter inner(8, {}, 12);
    PlaceAt(inner, 1, 1);
    inner.ShowFrame();
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(5, inner));
    PlaceNamed(w, 1, 5, "c");
    PlaceAt(w, 2, 2);
    ActionAssembler onPress, a;
    onPress.Push("this").Op(act::GetVariable).Push("_name").Op(act::GetMember).Op(act::Trace);
    a.Push("c").Op(act::GetVariable).Push("onPress").DefineFunction("", {}, onPress).Op(act::SetMember);
    DoAction(w, a);
    w.ShowFrame();
    Session s(w.Build());
    s.Click(10, 10);
    s.Click(25, 25);
    EXPECT_EQ(s.Take(), (Lines{"c"}));
    EXPECT_TRUE(s.player.WantsHandCursor());
}

TEST(ButtonMouse, MasksHideTheButtonsOutsideThem) {
    auto w = SquareStage();
    DefineTracingButton(w);
    w.Tag(swfw::code::DefineShape3, RectShape(6, 0, 0, 30, 100, Red));
    swfw::Place mask;
    mask.Depth = 1;
    mask.CharacterId = 6;
    mask.ClipDepth = 2;
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(mask));
    PlaceAt(w, 2, 3);
    w.ShowFrame();
    Session s(w.Build());
    s.Move(35, 35); // on the button, outside the mask
    EXPECT_TRUE(s.Take().empty());
    s.Move(25, 25);
    EXPECT_EQ(s.Take(), (Lines{"rollOver"}));
}

TEST(ButtonHitTest, FillsCountTheirOutlinesAndStrokesTheirWidth) {
    // A square with a square hole (even-odd), and a thick line apart.
    swfw::ShapeBuilder b;
    uint32_t fill = b.SolidFill(Red);
    uint32_t line = b.Line(200, Red);
    b.Styles(0, fill, 0);
    Box(b, 0, 0, 1000, 1000);
    Box(b, 300, 300, 700, 700);
    b.Styles(0, 0, line);
    b.MoveTo(2000, 0);
    b.LineTo(2000, 1000);
    auto body = swfw::ShapeBody(1, 3, {0, 2100, 0, 1000}, b);
    swf::Dictionary d;
    d.Define({swf::tagcode::DefineShape3, body});
    auto shape = std::get<std::shared_ptr<const swf::DrawableShape>>(*d.Find(1));
    auto covers = [&](double x, double y) {
        return swf::HitTest::ShapeCovers(shape->Source, shape->FillLayers, {x, y});
    };
    EXPECT_TRUE(covers(100, 500));
    EXPECT_FALSE(covers(500, 500));
    EXPECT_TRUE(covers(2090, 500));
    EXPECT_FALSE(covers(2150, 500));
    EXPECT_FALSE(covers(1500, 500));
}

TEST(ButtonParse, DamagedActionsLeaveTheButtonWithoutThem) {
    auto body = swfw::Button2Body(3, {{1, 1, 1, {}}}, {{cond::Press, {0x07, 0x00}}, {cond::Release, {0x06}}});
    // The first record claims more bytes than the tag holds.
    std::vector<uint8_t> damaged(body.begin() + 2, body.end());
    size_t first = damaged.size() - 2 - 4 - 1 - 4;
    damaged[first] = 0xff;
    swf::ByteReader in(damaged);
    swf::Button button = swf::ParseButton(in, 2);
    EXPECT_EQ(button.Records.size(), 1u);
    ASSERT_LE(button.Actions.size(), 1u);
    for (const swf::ButtonAction& a : button.Actions)
        EXPECT_LE(a.Actions.size(), damaged.size());
}

TEST(ScriptInputClasses, BroadcastersToggledKeysAndTheHiddenPointer) {
    // Key.addListener({hi: function (a, b) { trace(a + b); }}); Key.broadcastMessage("hi", 1, 2);
    ActionAssembler hi, a;
    hi.Push("a").Op(act::GetVariable).Push("b").Op(act::GetVariable).Op(act::Add2).Op(act::Trace);
    a.Push("hi").DefineFunction("", {"a", "b"}, hi).Push(1.0).Op(act::InitObject);
    a.Push(1.0).Push("Key").Op(act::GetVariable).Push("addListener").Op(act::CallMethod).Op(act::Pop);
    a.Push(2.0).Push(1.0).Push("hi").Push(3.0).Push("Key").Op(act::GetVariable).Push("broadcastMessage");
    a.Op(act::CallMethod).Op(act::Pop);
    a.Push(0.0).Push("Mouse").Op(act::GetVariable).Push("hide").Op(act::CallMethod).Op(act::Trace);
    Session s(ActionMovie(a));
    EXPECT_EQ(s.Take(), (Lines{"3", "1"}));
    EXPECT_TRUE(s.player.MouseHidden());

    // trace(Key.isToggled(20)) after each press of caps lock.
    auto w = Stage(100, 100);
    ActionAssembler toggled;
    toggled.Push(20.0).Push(1.0).Push("Key").Op(act::GetVariable).Push("isToggled").Op(act::CallMethod);
    toggled.Op(act::Trace);
    swfw::Place p;
    p.Depth = 1;
    p.CharacterId = 1;
    DefineScriptedSprite(w, 1, {ActionAssembler()});
    w.Tag(swfw::code::PlaceObject2,
          swfw::WithClipActions(swfw::PlaceObject2Body(p), {{swf::script::clipevent::KeyDown, toggled}}, 8));
    w.ShowFrame();
    Session keys(w.Build());
    for (int i = 0; i < 2; ++i) {
        keys.player.KeyDown(20, 0);
        keys.player.KeyUp(20);
    }
    EXPECT_EQ(keys.Take(), (Lines{"true", "false"}));
}

} // namespace

namespace {

using namespace testing_swf;
using Lines = std::vector<std::string>;

// Calls target.method(args) and traces the result.
void TraceCall(ActionAssembler& a, const char* target, const char* method, std::vector<double> args = {}) {
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        a.Push(*it);
    a.Push(double(args.size()))
        .Push(target)
        .Op(act::GetVariable)
        .Push(method)
        .Op(act::CallMethod)
        .Op(act::Trace);
}

TEST(ScriptSound, AttachedSoundsPlayAndSoundsOfOneTargetShareTheirMix) {
    auto w = Stage(100, 100);
    // One second of 16-bit samples 1000 at 44.1 kHz, exported as "beep".
    std::vector<int16_t> samples(44100, 1000);
    w.Tag(swfw::code::DefineSound, swfw::DefineSoundBody(1, swfw::SoundFormatBits(3, 3, true, false), 44100,
                                                         swfw::PcmBytes(samples, true)));
    std::vector<uint8_t> exports{1, 0, 1, 0, 'b', 'e', 'e', 'p', 0};
    w.Tag(swf::tagcode::ExportAssets, exports);
    // s = new Sound(); s.attachSound("beep"); t = new Sound();
    ActionAssembler a;
    for (const char* name : {"s", "t"})
        a.Push(name).Push(0.0).Push("Sound").Op(act::NewObject).Op(act::DefineLocal);
    a.Push("beep")
        .Push(1.0)
        .Push("s")
        .Op(act::GetVariable)
        .Push("attachSound")
        .Op(act::CallMethod)
        .Op(act::Pop);
    a.Push("s").Op(act::GetVariable).Push("duration").Op(act::GetMember).Op(act::Trace);
    a.Push("t").Op(act::GetVariable).Push("duration").Op(act::GetMember).Op(act::Trace);
    TraceCall(a, "s", "setVolume", {50.5});
    TraceCall(a, "t", "getVolume");
    TraceCall(a, "s", "setPan", {-30});
    TraceCall(a, "t", "getPan");
    TraceCall(a, "s", "setVolume", {std::nan("")});
    TraceCall(a, "s", "getVolume");
    TraceCall(a, "s", "start", {0.5});
    DoAction(w, a);
    w.ShowFrame();
    Session s(w.Build());
    EXPECT_EQ(s.Take(), (Lines{"1000", "undefined", "undefined", "50", "undefined", "-30", "undefined",
                               "-2147483648", "undefined"}));
    std::vector<int16_t> mix(200);
    s.player.MixAudio(mix);
    EXPECT_NE(mix[0], 0);
}

} // namespace

namespace {

TEST(ScriptDrag, TheDraggedClipFollowsThePointerWithinItsBoxAndKnowsWhatIsBelow) {
    auto w = SquareStage();
    for (uint16_t id : {4, 5}) {
        swfw::MovieWriter inner(8, {}, 12);
        PlaceAt(inner, 1, id == 4 ? 1 : 2);
        inner.ShowFrame();
        w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(id, inner));
    }
    PlaceNamed(w, 1, 5, "d");
    PlaceNamed(w, 2, 4, "c");
    // c.startDrag(true, 0, 0, 50, 50);
    // Key.addListener({onKeyDown: function () { trace(c._x + "," + c._y + " " + c._droptarget); }});
    ActionAssembler a, report;
    a.Push(50.0).Push(50.0).Push(0.0).Push(0.0).PushBool(true).Push(5.0).Push("c").Op(act::GetVariable);
    a.Push("startDrag").Op(act::CallMethod).Op(act::Pop);
    auto member = [&report](const char* name) {
        report.Push("c").Op(act::GetVariable).Push(name).Op(act::GetMember);
    };
    member("_x");
    report.Push(",").Op(act::Add2);
    member("_y");
    report.Op(act::Add2).Push(" ").Op(act::Add2);
    member("_droptarget");
    report.Op(act::Add2).Op(act::Trace);
    a.Push("onKeyDown").DefineFunction("", {}, report).Push(1.0).Op(act::InitObject);
    a.Push(1.0).Push("Key").Op(act::GetVariable).Push("addListener").Op(act::CallMethod).Op(act::Pop);
    DoAction(w, a);
    w.ShowFrame();
    Session s(w.Build());
    s.Move(30, 30);
    s.player.KeyDown(65, 'a');
    s.Move(90, 5);
    s.player.KeyDown(65, 'a');
    EXPECT_EQ(s.Take(), (Lines{"30,30 /d", "50,5 "}));
}

// A button whose record is a text field bound to `v` (showing "A" as
// defined), placed in a sprite; the frame sets `v` on that sprite.
std::vector<uint8_t> ButtonFieldMovie(const std::string& value) {
    auto w = Stage(60, 20);
    w.Tag(swfw::code::DefineFont2, SquareFont(1, 'A'));
    swfw::Field field{{0, 1200, 0, 400}, 1, 200, {0, 0, 0, 255}, "A", true};
    field.Variable = "v";
    w.Tag(swfw::code::DefineEditText, swfw::EditTextBody(2, field));
    w.Tag(swfw::code::DefineButton2, swfw::Button2Body(3, {{0x0f, 2, 1, {}}}));
    swfw::MovieWriter sprite(8, {}, 12);
    PlaceAt(sprite, 1, 3);
    sprite.ShowFrame();
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(4, sprite));
    PlaceNamed(w, 1, 4, "s");
    ActionAssembler a;
    a.Push("s").Op(act::GetVariable).Push("v").Push(value).Op(act::SetMember);
    DoAction(w, a);
    w.ShowFrame();
    return w.Build();
}

TEST(ButtonFields, ShowTheVariableOfTheClipTheButtonStandsIn) {
    // Two pixels of gutter, then 10-pixel squares.
    Frame defined = RenderMovie(ButtonFieldMovie("A"), swf::Quality::Low);
    EXPECT_EQ(defined.At(7, 8), 0xff000000u);
    EXPECT_EQ(defined.At(17, 8), 0xffffffffu);
    Frame set = RenderMovie(ButtonFieldMovie("AAA"), swf::Quality::Low);
    EXPECT_EQ(set.At(17, 8), 0xff000000u);
    EXPECT_EQ(set.At(27, 8), 0xff000000u);
    EXPECT_EQ(set.At(37, 8), 0xffffffffu);
}

} // namespace
