#include "ScriptHelpers.h"
#include "swf/CharacterEntity.h"
#include "swf/script/TextFieldHtml.h"
#include "swf/script/XmlParser.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_swf;
using swf::script::DecodeText;
using swf::script::ReadFieldHtml;
using swf::script::TextFieldContent;
using swf::script::TextFormat;
using swf::script::WriteFieldHtml;
using Lines = std::vector<std::string>;

const std::string Font = R"(FACE="Times New Roman" SIZE="12" COLOR="#000000" LETTERSPACING="0" KERNING="0")";

TEST(TextFieldContent, HtmlRoundTripsThroughParagraphsAndNestedFonts) {
    TextFieldContent c =
        ReadFieldHtml("<p align='right'>a<b>b</b></p><p><font size='+2'>c</font>d", TextFormat::Defaults());
    EXPECT_EQ(c.Text(), U"ab\rcd");
    EXPECT_EQ(
        WriteFieldHtml(c, TextFormat::Defaults()),
        "<P ALIGN=\"RIGHT\"><FONT " + Font + ">a<B>b</B></FONT></P><P ALIGN=\"LEFT\"><FONT " +
            R"(FACE="Times New Roman" SIZE="14" COLOR="#000000" LETTERSPACING="0" KERNING="0">c<FONT SIZE="12">d</FONT></FONT></P>)");
    // Entities are read and written back; a trailing paragraph end adds no
    // empty paragraph, an empty text is one empty paragraph.
    TextFieldContent e = ReadFieldHtml("&lt;x&gt; &amp;&#65;\n", TextFormat::Defaults());
    EXPECT_EQ(e.Text(), U"<x> &A\r");
    EXPECT_EQ(WriteFieldHtml(e, TextFormat::Defaults()),
              "<P ALIGN=\"LEFT\"><FONT " + Font + ">&lt;x&gt; &amp;A</FONT></P>");
    EXPECT_EQ(WriteFieldHtml(TextFieldContent(), TextFormat::Defaults()),
              "<P ALIGN=\"LEFT\"><FONT " + Font + "></FONT></P>");
}

TEST(TextFieldContent, FormatsSplitRunsAndParagraphFieldsCoverParagraphs) {
    TextFieldContent c;
    c.Replace(0, 0, U"hello\rworld", TextFormat::Defaults());
    TextFormat big;
    big.Size = 20;
    big.Align = "center";
    c.SetFormat(3, 4, big);
    EXPECT_EQ(c.FormatOf(3, 4).Size, 20);
    EXPECT_EQ(c.FormatOf(0, 1).Size, 12);
    // A range across both sizes leaves the size out, keeps the rest.
    EXPECT_FALSE(c.FormatOf(2, 5).Size.has_value());
    EXPECT_EQ(c.FormatOf(2, 5).Font, "Times New Roman");
    // Alignment went to the whole first paragraph, not to the second.
    EXPECT_EQ(c.FormatOf(0, 5).Align, "center");
    EXPECT_EQ(c.FormatOf(6, 11).Align, "left");
    // Nothing is common to no characters.
    EXPECT_EQ(c.FormatOf(4, 4), TextFormat{});
    // Replacing across the paragraph end merges the paragraphs, which take
    // the first one's alignment.
    c.Replace(4, 7, U"-", TextFormat::Defaults());
    EXPECT_EQ(c.Text(), U"hell-orld");
    EXPECT_EQ(c.FormatOf(0, 9).Align, "center");
    // Indices past the end are clamped.
    c.Replace(100, 200, U"!", TextFormat::Defaults());
    EXPECT_EQ(c.Text(), U"hell-orld!");
}

TEST(TextFieldContent, DamagedHtmlEndsCleanly) {
    for (const char* html : {"<font size='", "<b>x", "&#99999999999;", "</p></p></font>y", "<a href=>z</a"}) {
        TextFieldContent c = ReadFieldHtml(html, TextFormat::Defaults());
        EXPECT_FALSE(WriteFieldHtml(c, TextFormat::Defaults()).empty()) << html;
    }
    // Closing tags with nothing open add nothing.
    EXPECT_EQ(ReadFieldHtml("</p></p></font>y", TextFormat::Defaults()).Text(), U"y");
    EXPECT_EQ(DecodeText("a\xc3\xa9"), U"a\u00e9");
}

// A movie with a text field named "field" at depth 1, bound to `variable`,
// running the actions after placing it.
std::vector<uint8_t> FieldMovie(const ActionAssembler& a, const std::string& variable) {
    swfw::MovieWriter w(8, {0, 4000, 0, 4000}, 12);
    swfw::Field field{{0, 2000, 0, 400}, std::nullopt, 240, {0, 0, 255, 255}, "start"};
    field.Variable = variable;
    w.Tag(swfw::code::DefineEditText, swfw::EditTextBody(1, field));
    PlaceNamed(w, 1, 1, "field");
    DoAction(w, a);
    w.ShowFrame();
    w.ShowFrame();
    return w.Build();
}

ActionAssembler& TraceMember(ActionAssembler& a, const std::string& object, const std::string& member) {
    return a.Push(object).Op(act::GetVariable).Push(member).Op(act::GetMember).Op(act::Trace);
}

ActionAssembler& SetMember(ActionAssembler& a, const std::string& object, const std::string& member,
                           const std::string& value) {
    return a.Push(object).Op(act::GetVariable).Push(member).Push(value).Op(act::SetMember);
}

TEST(TextFieldScript, VariableBindingGoesBothWays) {
    ActionAssembler a;
    a.TraceVariable("v"); // the unset variable took the field's text
    a.Push("v").Push("from variable").Op(act::SetVariable);
    TraceMember(a, "field", "text"); // the field shows the variable
    SetMember(a, "field", "text", "from field");
    a.TraceVariable("v");
    TraceMember(a, "field", "variable");
    EXPECT_EQ(RunMovie(FieldMovie(a, "v")).Lines, (Lines{"start", "from variable", "from field", "v"}));
}

TEST(TextFieldScript, SettingsConvertAndFormatsFollowTextColor) {
    ActionAssembler a;
    TraceMember(a, "field", "type");
    SetMember(a, "field", "type", "INPUT");
    TraceMember(a, "field", "type");
    SetMember(a, "field", "type", "bogus"); // refused: stays input
    TraceMember(a, "field", "type");
    SetMember(a, "field", "maxChars", "-3");
    TraceMember(a, "field", "maxChars");
    TraceMember(a, "field", "textColor");
    a.Push("field").Op(act::GetVariable).Push("textColor").Push(0x123456).Op(act::SetMember);
    // getTextFormat().color
    a.Push(0.0).Push("field").Op(act::GetVariable).Push("getTextFormat").Op(act::CallMethod);
    a.Push("color").Op(act::GetMember).Op(act::Trace);
    TraceMember(a, "field", "length");
    TraceMember(a, "field", "_width");
    EXPECT_EQ(RunMovie(FieldMovie(a, "")).Lines,
              (Lines{"dynamic", "input", "input", "null", "255", "1193046", "5", "100"}));
}

TEST(TextFieldScript, CreatedFieldsShowTextAndGoAway) {
    ActionAssembler a;
    // createTextField("made", 5, 10, 20, 30, 40)
    for (double v : {40.0, 30.0, 20.0, 10.0, 5.0})
        a.Push(v);
    a.Push("made").Push(6.0).Push("_root").Op(act::GetVariable).Push("createTextField").Op(act::CallMethod);
    a.Op(act::Trace);
    SetMember(a, "made", "htmlText", "<b>x</b>");
    TraceMember(a, "made", "text");
    SetMember(a, "made", "html", "1");
    SetMember(a, "made", "htmlText", "<b>x</b>");
    TraceMember(a, "made", "text");
    TraceMember(a, "made", "_x");
    a.Push("made").Op(act::GetVariable).Op(act::Trace);
    a.Push(0.0).Push("made").Op(act::GetVariable).Push("removeTextField").Op(act::CallMethod).Op(act::Pop);
    a.Push("made").Op(act::GetVariable).Op(act::TypeOf).Op(act::Trace);
    EXPECT_EQ(RunMovie(FieldMovie(a, "")).Lines,
              (Lines{"_level0.made", "<b>x</b>", "x", "10", "_level0.made", "undefined"}));
}

TEST(TextFieldScript, SelectionTellsFocusChanges) {
    ActionAssembler listener, a;
    listener.Push("focus ").Push("newFocus").Op(act::GetVariable).Op(act::Add2).Op(act::Trace);
    a.Push("l").Push(0.0).Push("Object").Op(act::NewObject).Op(act::SetVariable);
    a.Push("l")
        .Op(act::GetVariable)
        .Push("onSetFocus")
        .DefineFunction("", {"oldFocus", "newFocus"}, listener);
    a.Op(act::SetMember);
    a.Push("l").Op(act::GetVariable).Push(1.0).Push("Selection").Op(act::GetVariable).Push("addListener");
    a.Op(act::CallMethod).Op(act::Pop);
    a.Push("field").Op(act::GetVariable).Push(1.0).Push("Selection").Op(act::GetVariable).Push("setFocus");
    a.Op(act::CallMethod).Op(act::Trace);
    a.Push(0.0).Push("Selection").Op(act::GetVariable).Push("getFocus").Op(act::CallMethod).Op(act::Trace);
    a.Push(0.0)
        .Push("Selection")
        .Op(act::GetVariable)
        .Push("getBeginIndex")
        .Op(act::CallMethod)
        .Op(act::Trace);
    a.PushBool(false).Push(1.0).Push("Selection").Op(act::GetVariable).Push("setFocus");
    a.Op(act::CallMethod).Op(act::Trace);
    EXPECT_EQ(RunMovie(FieldMovie(a, "")).Lines,
              (Lines{"focus _level0.field", "true", "_level0.field", "0", "false"}));
}

TEST(TextFormatScript, ConstructorArgumentsAndUnsetFieldsAreNull) {
    ActionAssembler a;
    // f = new TextFormat("Arial", 10, 0xff0000, true)
    a.Push("f").PushBool(true).Push(double(0xff0000)).Push(10.0).Push("Arial").Push(4.0).Push("TextFormat");
    a.Op(act::NewObject).Op(act::SetVariable);
    for (const char* name : {"font", "size", "color", "bold", "italic", "align", "tabStops"})
        a.Push("f").Op(act::GetVariable).Push(name).Op(act::GetMember).Op(act::Trace);
    EXPECT_EQ(Traces(a), (Lines{"Arial", "10", "16711680", "true", "null", "null", "null"}));
}

TEST(TextFormatScript, RangesOfAFieldShowWhatTheyShare) {
    ActionAssembler a;
    // f = new TextFormat(); f.bold = true; field.setTextFormat(1, 3, f);
    a.Push("f").Push(0.0).Push("TextFormat").Op(act::NewObject).Op(act::SetVariable);
    a.Push("f").Op(act::GetVariable).Push("bold").PushBool(true).Op(act::SetMember);
    a.Push("f").Op(act::GetVariable).Push(3.0).Push(1.0).Push(3.0).Push("field").Op(act::GetVariable);
    a.Push("setTextFormat").Op(act::CallMethod).Op(act::Pop);
    auto traceBold = [&a](std::vector<double> args) {
        for (auto it = args.rbegin(); it != args.rend(); ++it)
            a.Push(*it);
        a.Push(double(args.size()))
            .Push("field")
            .Op(act::GetVariable)
            .Push("getTextFormat")
            .Op(act::CallMethod);
        a.Push("bold").Op(act::GetMember).Op(act::Trace);
    };
    traceBold({});     // mixed
    traceBold({1});    // one bold character
    traceBold({0, 1}); // one plain one
    a.Push("field").Op(act::GetVariable).Push("htmlText").Op(act::GetMember).Op(act::Trace);
    Lines lines = RunMovie(FieldMovie(a, "")).Lines;
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3), (Lines{"null", "true", "false"}));
    // Not an HTML field: htmlText is the plain text.
    EXPECT_EQ(lines[3], "start");
}

} // namespace

namespace {

// A field in an embedded font whose "A" is a 10-pixel square with a
// 10-pixel advance and whose lines are 10 pixels high, all above the
// baseline, so that the metrics scripts read can be worked out by hand.
std::vector<uint8_t> MeasuredFieldMovie(const ActionAssembler& a,
                                        const std::vector<uint8_t>& textSettings = {},
                                        int16_t squareAdvance = 1024) {
    swfw::MovieWriter w(8, {0, 4000, 0, 4000}, 12);
    swfw::Glyph square{'A', swfw::ShapeBuilder(1), squareAdvance};
    square.Outline.Styles(0, 1, 0);
    square.Outline.MoveTo(0, -1024);
    for (auto [x, y] : {std::pair{1024, -1024}, {1024, 0}, {0, 0}, {0, -1024}})
        square.Outline.LineTo(x, y);
    swfw::Glyph space{' ', swfw::ShapeBuilder(1), 512};
    w.Tag(swfw::code::DefineFont2, swfw::Font2Body(1, "Square", {square, space}, 1024, 0));
    swfw::Field field{{0, 2000, 0, 400}, 1, 200, {0, 0, 0, 255}, "", true};
    w.Tag(swfw::code::DefineEditText, swfw::EditTextBody(2, field));
    if (!textSettings.empty())
        w.Tag(swfw::code::CSMTextSettings, textSettings);
    PlaceNamed(w, 1, 2, "field");
    DoAction(w, a);
    w.ShowFrame();
    return w.Build();
}

void TraceMetrics(ActionAssembler& a) {
    TraceMember(a, "field", "textWidth");
    TraceMember(a, "field", "textHeight");
}

TEST(TextFieldScript, TextMetricsComeFromTheLayoutTheRendererUses) {
    ActionAssembler a;
    SetMember(a, "field", "text", "AAA");
    TraceMetrics(a); // three advances; one line of ascent and descent
    // Wrapped in a field 30 pixels wide inside its gutters: "AA", "AA",
    // "AA" with 5 pixels of leading between the lines.
    SetMember(a, "field", "text", "AA AA AA");
    a.Push("field").Op(act::GetVariable).Push("wordWrap").PushBool(true).Op(act::SetMember);
    a.Push("field").Op(act::GetVariable).Push("_width").Push(34.0).Op(act::SetMember);
    a.Push("f").Push(0.0).Push("TextFormat").Op(act::NewObject).Op(act::SetVariable);
    a.Push("f").Op(act::GetVariable).Push("leading").Push(5.0).Op(act::SetMember);
    a.Push("f").Op(act::GetVariable).Push(1.0).Push("field").Op(act::GetVariable);
    a.Push("setTextFormat").Op(act::CallMethod).Op(act::Pop);
    TraceMetrics(a);
    // A lone line keeps its leading; letter spacing widens every character.
    a.Push("f").Op(act::GetVariable).Push("letterSpacing").Push(1.5).Op(act::SetMember);
    a.Push("f").Op(act::GetVariable).Push(1.0).Push("field").Op(act::GetVariable);
    a.Push("setTextFormat").Op(act::CallMethod).Op(act::Pop);
    a.Push("field").Op(act::GetVariable).Push("wordWrap").PushBool(false).Op(act::SetMember);
    TraceMetrics(a);
    EXPECT_EQ(RunMovie(MeasuredFieldMovie(a)).Lines, (Lines{"30", "10", "20", "40", "82", "15"}));
}

TEST(TextFieldScript, MeasurementsKeepTheExactAdvances) {
    // 40 advances of 201.95 twips measure 403 pixels, though the glyphs
    // are drawn on whole twips (402 pixels).
    ActionAssembler a;
    SetMember(a, "field", "text", std::string(40, 'A'));
    TraceMember(a, "field", "textWidth");
    EXPECT_EQ(RunMovie(MeasuredFieldMovie(a, {}, 1034)).Lines, (Lines{"403"}));
}

TEST(TextFieldScript, RotatedFieldsMeasureTheirBoundsInTheParent) {
    ActionAssembler a;
    a.Push("field").Op(act::GetVariable).Push("_rotation").Push(90.0).Op(act::SetMember);
    TraceMember(a, "field", "_width");
    TraceMember(a, "field", "_height");
    a.Push("field").Op(act::GetVariable).Push("_rotation").Push(45.0).Op(act::SetMember);
    TraceMember(a, "field", "_width"); // (100 + 20) / sqrt 2, on whole twips
    EXPECT_EQ(RunMovie(MeasuredFieldMovie(a)).Lines, (Lines{"20", "100", "84.85"}));
}

TEST(TextFieldScript, AutoSizeFitsTheBoxToTheTextKeepingTheChosenEdge) {
    ActionAssembler a;
    SetMember(a, "field", "text", "AAA");
    SetMember(a, "field", "autoSize", "right"); // 30 by 10 pixels of text, 2 of gutter each side
    for (const char* name : {"_x", "_width", "_height"})
        TraceMember(a, "field", name);
    SetMember(a, "field", "autoSize", "center");
    SetMember(a, "field", "text", "A");
    TraceMember(a, "field", "_x");
    TraceMember(a, "field", "_width");
    EXPECT_EQ(RunMovie(MeasuredFieldMovie(a)).Lines, (Lines{"66", "34", "14", "76", "14"}));
}

TEST(TextFieldScript, TextSettingsOfTheMovieAndBadGridFitting) {
    ActionAssembler a;
    TraceMember(a, "field", "antiAliasType");
    TraceMember(a, "field", "gridFitType");
    TraceMember(a, "field", "sharpness");
    SetMember(a, "field", "gridFitType", "none");
    SetMember(a, "field", "gridFitType", "bogus"); // kept as it was
    TraceMember(a, "field", "gridFitType");
    SetMember(a, "field", "antiAliasType", "bogus"); // back to normal
    TraceMember(a, "field", "antiAliasType");
    // CSMTextSettings for the field: advanced, subpixel, sharpness -100.
    std::vector<uint8_t> settings{2, 0, 0x50, 0, 0, 0, 0, 0, 0, 0xc8, 0xc2, 0};
    EXPECT_EQ(RunMovie(MeasuredFieldMovie(a, settings)).Lines,
              (Lines{"advanced", "subpixel", "-100", "none", "normal"}));
}

TEST(TextFormatScript, TextExtentMeasuresInWholePixels) {
    ActionAssembler a;
    // new TextFormat("Square", 10).getTextExtent("AA A", 25)
    a.Push(25.0).Push("AA A").Push(2.0);
    a.Push(10.0).Push("Square").Push(2.0).Push("TextFormat").Op(act::NewObject);
    a.Push("getTextExtent").Op(act::CallMethod).StoreRegister(0).Op(act::Pop);
    for (const char* name : {"width", "height", "ascent", "descent", "textFieldWidth", "textFieldHeight"})
        a.PushRegister(0).Push(name).Op(act::GetMember).Op(act::Trace);
    EXPECT_EQ(RunMovie(MeasuredFieldMovie(a)).Lines, (Lines{"20", "20", "10", "0", "25", "24"}));
}

} // namespace

namespace {

// A numeric reference is limited by its value, not by its digits: leading
// zeros are fine, anything past the last character (however long) is no
// reference and stays as written, in field HTML and XML alike.
TEST(CharacterEntity, NumbersAreCharactersUpToTheLastOne) {
    using swf::DecodeCharacterEntity;
    using swf::EntityNames;
    EXPECT_EQ(DecodeCharacterEntity("#00000065", EntityNames::Html), U'A');
    EXPECT_EQ(DecodeCharacterEntity("#x0000041", EntityNames::Html), U'A');
    EXPECT_EQ(DecodeCharacterEntity("#1114111", EntityNames::Html), char32_t(0x10ffff));
    EXPECT_EQ(DecodeCharacterEntity("#X10FFFF", EntityNames::Xml), char32_t(0x10ffff));
    for (const char* bad : {"#1114112", "#x110000", "#99999999999999999999999", "#xffffffffffffffff", "#0",
                            "#", "#x", "#-65", "# 65", "#+65", "#6 5", "#x4g"}) {
        EXPECT_FALSE(DecodeCharacterEntity(bad, EntityNames::Html)) << bad;
        EXPECT_FALSE(DecodeCharacterEntity(bad, EntityNames::Xml)) << bad;
    }
    EXPECT_EQ(DecodeCharacterEntity("nbsp", EntityNames::Html), char32_t(0xa0));
    EXPECT_FALSE(DecodeCharacterEntity("nbsp", EntityNames::Xml));
    // The readers keep a reference that is none as text.
    EXPECT_EQ(ReadFieldHtml("&#0000065;&#1114112;", TextFormat::Defaults()).Text(), U"A&#1114112;");
    EXPECT_EQ(swf::script::DecodeXmlEntities("&#x41;&#x110000;"), "A&#x110000;");
}

} // namespace
