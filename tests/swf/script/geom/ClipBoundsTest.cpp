#include "../../ScriptHelpers.h"

#include "swfwriter/ShapeBuilder.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_swf;
using Lines = std::vector<std::string>;

// Sprite 2 holds a triangle (shape 1) with corners (0, 0), (100, 0) and
// (0, 50) pixels; it is placed as "c" at (10, 20), scaled twice.
swfw::MovieWriter TriangleMovie(uint8_t version = 8) {
    swfw::MovieWriter w(version, {0, 8000, 0, 8000}, 12);
    swfw::ShapeBuilder shape;
    shape.Styles(0, shape.SolidFill({255, 0, 0, 255}), 0);
    shape.MoveTo(0, 0);
    shape.LineTo(2000, 0);
    shape.LineTo(0, 1000);
    shape.LineTo(0, 0);
    w.Tag(swfw::code::DefineShape3, swfw::ShapeBody(1, 3, {0, 2000, 0, 1000}, shape));
    swfw::MovieWriter sprite(version, {}, 12);
    swfw::Place inner;
    inner.CharacterId = 1;
    sprite.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(inner));
    sprite.ShowFrame();
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(2, sprite));
    swfw::Place p;
    p.CharacterId = 2;
    p.Name = "c";
    p.Matrix = swfw::Transform{2, 0, 0, 2, 200, 400};
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(p));
    return w;
}

// Calls object.method(args...), leaving the result on the stack.
ActionAssembler& Call(ActionAssembler& a, const std::string& object, const std::string& method,
                      const std::vector<double>& args = {}) {
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        a.Push(*it);
    return a.Push(double(args.size())).Push(object).Op(act::GetVariable).Push(method).Op(act::CallMethod);
}

// Traces the four edges of the object on the stack.
void TraceEdges(ActionAssembler& a) {
    a.StoreRegister(0).Op(act::Pop);
    for (const char* edge : {"xMin", "yMin", "xMax", "yMax"})
        a.PushRegister(0).Push(edge).Op(act::GetMember).Op(act::Trace);
}

// Makes `name` = {x: x, y: y}.
void MakePoint(ActionAssembler& a, const std::string& name, double x, double y) {
    a.Push(name).Push("x").Push(x).Push("y").Push(y).Push(2.0).Op(act::InitObject).Op(act::SetVariable);
}

void TracePoint(ActionAssembler& a, const std::string& name) {
    for (const char* axis : {"x", "y"})
        a.Push(name).Op(act::GetVariable).Push(axis).Op(act::GetMember).Op(act::Trace);
}

std::vector<std::string> PlayedLines(swfw::MovieWriter& w, const ActionAssembler& a) {
    DoAction(w, a);
    w.ShowFrame();
    return RunMovie(w.Build()).Lines;
}

TEST(ClipBounds, SizeAndBoundsFollowTheChainOfMatrices) {
    auto w = TriangleMovie();
    ActionAssembler a;
    a.Push("c").Op(act::GetVariable).Push("_width").Op(act::GetMember).Op(act::Trace);
    a.Push("c").Op(act::GetVariable).Push("_height").Op(act::GetMember).Op(act::Trace);
    Call(a, "c", "getBounds");
    TraceEdges(a); // the bounds in the clip's own space
    a.Push("_root").Op(act::GetVariable).Push(1.0).Push("c").Op(act::GetVariable).Push("getBounds");
    a.Op(act::CallMethod);
    TraceEdges(a);
    // _width = 100 halves the horizontal scale; the height stays.
    a.Push("c").Op(act::GetVariable).Push("_width").Push(100.0).Op(act::SetMember);
    a.Push("c").Op(act::GetVariable).Push("_xscale").Op(act::GetMember).Op(act::Trace);
    a.Push("c").Op(act::GetVariable).Push("_height").Op(act::GetMember).Op(act::Trace);
    EXPECT_EQ(PlayedLines(w, a),
              (Lines{"200", "100", "0", "0", "100", "50", "10", "20", "210", "120", "100", "100"}));
}

TEST(ClipBounds, AClipThatDrawsNothingHasTheFarEdgeOfItsVersion) {
    for (uint8_t version : {7, 8}) {
        swfw::MovieWriter w(version, {0, 8000, 0, 8000}, 12);
        ActionAssembler a;
        a.Push(1.0).Push("e").Push(2.0).Push("_root").Op(act::GetVariable).Push("createEmptyMovieClip");
        a.Op(act::CallMethod).Op(act::Pop);
        Call(a, "e", "getBounds");
        TraceEdges(a);
        a.Push("e").Op(act::GetVariable).Push("_width").Op(act::GetMember).Op(act::Trace);
        std::string edge = version == 8 ? "6710886.4" : "6710886.35";
        EXPECT_EQ(PlayedLines(w, a), (Lines{edge, edge, edge, edge, "0"})) << int(version);
    }
}

TEST(ClipBounds, WhatAScriptDrewCounts) {
    swfw::MovieWriter w(8, {0, 8000, 0, 8000}, 12);
    ActionAssembler a;
    a.Push(1.0).Push("d").Push(2.0).Push("_root").Op(act::GetVariable).Push("createEmptyMovieClip");
    a.Op(act::CallMethod).Op(act::Pop);
    Call(a, "d", "beginFill", {255}).Op(act::Pop);
    Call(a, "d", "moveTo", {10, 0}).Op(act::Pop);
    Call(a, "d", "lineTo", {50, 0}).Op(act::Pop);
    Call(a, "d", "lineTo", {10, 30}).Op(act::Pop);
    Call(a, "d", "endFill").Op(act::Pop);
    a.Push("d").Op(act::GetVariable).Push("_width").Op(act::GetMember).Op(act::Trace);
    a.Push("d").Op(act::GetVariable).Push("_height").Op(act::GetMember).Op(act::Trace);
    Call(a, "d", "getBounds");
    TraceEdges(a);
    EXPECT_EQ(PlayedLines(w, a), (Lines{"40", "30", "10", "0", "50", "30"}));
}

TEST(ClipBounds, PointsMoveBetweenTheClipAndTheStageInWholeTwips) {
    auto w = TriangleMovie();
    ActionAssembler a;
    MakePoint(a, "p", 1.03, 2);
    a.Push("p").Op(act::GetVariable).Push(1.0);
    a.Push("c").Op(act::GetVariable).Push("localToGlobal").Op(act::CallMethod).Op(act::Pop);
    TracePoint(a, "p"); // 2 * 1.03 = 2.06 pixels, 41.2 twips, lands on 41
    a.Push("p").Op(act::GetVariable).Push(1.0);
    a.Push("c").Op(act::GetVariable).Push("globalToLocal").Op(act::CallMethod).Op(act::Pop);
    TracePoint(a, "p");
    // A point without numbers stays as it is.
    MakePoint(a, "q", 5, 0);
    a.Push("q").Op(act::GetVariable).Push("y").Push("text").Op(act::SetMember);
    a.Push("q").Op(act::GetVariable).Push(1.0);
    a.Push("c").Op(act::GetVariable).Push("localToGlobal").Op(act::CallMethod).Op(act::Pop);
    TracePoint(a, "q");
    EXPECT_EQ(PlayedLines(w, a), (Lines{"12.05", "24", "1.05", "2", "5", "text"}));
}

// Traces c.hitTest(target): the clip a variable holds, or a path as text.
void TraceHitTest(ActionAssembler& a, const std::string& target, bool path) {
    a.Push(target);
    if (!path)
        a.Op(act::GetVariable);
    a.Push(1.0).Push("c").Op(act::GetVariable).Push("hitTest").Op(act::CallMethod).Op(act::Trace);
}

TEST(ClipBounds, HitTestByBoxByShapeAndByClip) {
    auto w = TriangleMovie();
    ActionAssembler a;
    // (150, 100) is in the box but beyond the triangle's long edge.
    Call(a, "c", "hitTest", {150, 100}).Op(act::Trace);
    Call(a, "c", "hitTest", {150, 100, 1}).Op(act::Trace);
    Call(a, "c", "hitTest", {30, 30, 1}).Op(act::Trace);
    Call(a, "c", "hitTest", {5, 30}).Op(act::Trace);
    a.Push(2.0).Push("far").Push(2.0).Push("_root").Op(act::GetVariable).Push("createEmptyMovieClip");
    a.Op(act::CallMethod).Op(act::Pop);
    // Clips are compared by their boxes; an empty clip meets nothing.
    TraceHitTest(a, "far", false);
    TraceHitTest(a, "c", false);
    // A path is read from the clip asked.
    TraceHitTest(a, "../far", true);
    TraceHitTest(a, "../c", true);
    EXPECT_EQ(PlayedLines(w, a), (Lines{"true", "false", "true", "false", "false", "true", "false", "true"}));
}

TEST(ClipBounds, GetInstanceAtDepthFindsClipsAndShapesStandForTheirTimeline) {
    auto w = TriangleMovie();
    swfw::Place shape;
    shape.Depth = 2;
    shape.CharacterId = 1;
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(shape));
    ActionAssembler a;
    Call(a, "_root", "getInstanceAtDepth", {-16383}).Op(act::Trace);
    Call(a, "_root", "getInstanceAtDepth", {-16382}).Op(act::Trace);
    Call(a, "_root", "getInstanceAtDepth", {5}).Op(act::Trace);
    EXPECT_EQ(PlayedLines(w, a), (Lines{"_level0.c", "_level0", "undefined"}));
}

} // namespace
