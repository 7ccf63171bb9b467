#include "ProgramPictures.h"

#include "Parts.h"
#include "Symbols.h"

#include <cmath>
#include <numbers>

// The toolbar's pictures, 32 x 32, in the order of the toolbar's image
// list: the buttons name them by index.
namespace genpictures {
namespace {

using namespace parts;
constexpr double Pi = std::numbers::pi;
constexpr Point Centre{16, 16};
constexpr double Disc = 13;

void About(Sketch& s) {
    GlassBody(s, Centre, Disc, tones::Blue);
    Mark(s, Outline().Circle({16, 9.6}, 2.1).RoundRect(14.2, 13.2, 3.6, 10.8, 1));
}

void Settings(Sketch& s) {
    constexpr int Teeth = 8;
    constexpr double Outer = 14, Inner = 10.6, Hole = 4.2;
    Outline gear;
    for (int i = 0; i < Teeth; ++i) {
        double a = 2 * Pi * i / Teeth, half = Pi / Teeth;
        auto at = [](double radius, double angle) {
            return Point{Centre.X + radius * std::cos(angle), Centre.Y + radius * std::sin(angle)};
        };
        if (i == 0)
            gear.MoveTo(at(Inner, a - half * 0.75));
        gear.LineTo(at(Outer, a - half * 0.42))
            .LineTo(at(Outer, a + half * 0.42))
            .LineTo(at(Inner, a + half * 0.75))
            .ArcTo(Centre, Inner, Inner, a + half * 0.75, a + half * 1.25);
    }
    gear.Close().Circle(Centre, Hole);
    Body(s, gear, tones::Steel);
    s.Stroke(Outline().Circle(Centre, 7.4), 1.6, Faded(tones::Steel.Dark, 150));
}

void Exit(Sketch& s) {
    GlassBody(s, Centre, Disc, tones::Red);
    Outline power;
    power.MoveTo({16 + 6.5 * std::cos(-Pi / 3), 16.6 + 6.5 * std::sin(-Pi / 3)})
        .ArcTo({16, 16.6}, 6.5, 6.5, -Pi / 3, 4 * Pi / 3)
        .MoveTo({16, 7.2})
        .LineTo({16, 15});
    StrokeMark(s, power, 2.6);
}

void CloseMovie(Sketch& s) {
    Sheet(s, 4, 2.5, 19, 25, 6);
    Badge(s, {22.5, 22.5}, 7.5, tones::Red);
    Mark(s, symbols::Cross({22.5, 22.5}, 4.6, 2.2));
}

void FolderTree(Sketch& s) {
    Outline branches;
    branches.MoveTo({7, 12}).LineTo({7, 25.5}).LineTo({14, 25.5}).MoveTo({7, 16.5}).LineTo({14, 16.5});
    s.Stroke(branches, 1.4, tones::Steel.Dark);
    Folder(s, 2, 2, 15, 11);
    Folder(s, 13, 12, 16, 8.5);
    Folder(s, 13, 21.5, 16, 8.5);
}

void MenuBar(Sketch& s) {
    Window(s, 2.5, 3.5, 27, 24, tones::Blue);
    Body(s, Outline().Rect(3, 8, 26, 4), {{252, 253, 255}, {232, 238, 247}, {214, 223, 238}, {214, 223, 238}},
         0);
    for (double x : {5.0, 12.0, 19.0})
        s.Fill(Outline().RoundRect(x, 9.3, 5, 1.6, 0.6), Paint::Solid(tones::Steel.Edge));
    s.Fill(Outline().Rect(11, 8.3, 7, 3.4), Paint::Solid(Faded(tones::Blue.Mid, 90)));
    Window(s, 11, 12, 14, 13, {tones::Paper.Mid, tones::Paper.Mid, tones::Paper.Dark, tones::Paper.Edge});
    s.Fill(Outline().Rect(11.5, 17.5, 13, 3), Paint::Solid(tones::Blue.Mid));
    for (double y : {14.2, 18.3, 22.4})
        s.Fill(Outline().RoundRect(13, y, 9, 1.4, 0.5), Paint::Solid(y == 18.3 ? White : tones::Steel.Dark));
}

void TransportDisc(Sketch& s, const Outline& mark) {
    GlassBody(s, Centre, Disc, tones::Blue);
    Mark(s, mark);
}

void Play(Sketch& s) { TransportDisc(s, symbols::Play({16.6, 16}, 6.4)); }
void Pause(Sketch& s) { TransportDisc(s, symbols::Pause(Centre, 6)); }
void Stop(Sketch& s) { TransportDisc(s, symbols::Stop(Centre, 6)); }
void StepBack(Sketch& s) { TransportDisc(s, symbols::StepBack({15.6, 16}, 6)); }
void StepForward(Sketch& s) { TransportDisc(s, symbols::StepForward({16.4, 16}, 6)); }

void Open(Sketch& s) { Folder(s, 2, 4, 27, 23, true); }

void Register(Sketch& s) {
    Sheet(s, 4, 2.5, 19, 25, 6);
    Emblem(s, {13.5, 15}, 6.5);
    Badge(s, {23, 23}, 7, tones::Green);
    StrokeMark(s, Outline().MoveTo({19.4, 23.2}).LineTo({22, 25.8}).LineTo({26.6, 20}), 2.2);
}

Outline Sparkle(Point c, double r) {
    Outline star;
    star.MoveTo({c.X, c.Y - r});
    for (int i = 1; i <= 4; ++i) {
        double a = -Pi / 2 + Pi / 2 * i, mid = a - Pi / 4;
        star.CurveTo({c.X + 0.16 * r * std::cos(mid), c.Y + 0.16 * r * std::sin(mid)},
                     {c.X + r * std::cos(a), c.Y + r * std::sin(a)});
    }
    return star;
}

void Quality(Sketch& s) {
    Body(s, Sparkle({13.5, 17.5}, 13), tones::Amber);
    Body(s, Sparkle({25, 7}, 5.5), tones::Amber, 0.8);
    Body(s, Sparkle({25.5, 25}, 3.5), tones::Amber, 0.7);
}

void BackgroundColour(Sketch& s) {
    constexpr Tone Wood{{255, 238, 205}, {232, 196, 140}, {196, 148, 90}, {120, 78, 36}};
    Outline palette;
    palette.MoveTo({16, 3})
        .CurveTo({30, 3}, {30, 14})
        .CurveTo({30, 27}, {17, 28})
        .CurveTo({13, 28.3}, {13.5, 24.5})
        .CurveTo({14, 21}, {10, 21})
        .CurveTo({2, 22}, {2, 14})
        .CurveTo({2, 3}, {16, 3})
        .Circle({10.5, 14.5}, 2.3);
    Body(s, palette, Wood);
    const Tone paints[] = {tones::Red, tones::Amber, tones::Green, tones::Blue};
    const Point spots[] = {{11, 8.2}, {18, 7.3}, {24, 11.5}, {22.5, 19.5}};
    for (int i = 0; i < 4; ++i)
        GlassBody(s, spots[i], 2.9, paints[i]);
}

void FullScreen(Sketch& s, bool leave) {
    Point c = Screen(s);
    const Point corners[] = {{7, 9}, {25, 9}, {25, 20}, {7, 20}};
    for (Point corner : corners) {
        Point inner{c.X + (corner.X - c.X) * 0.3, c.Y + (corner.Y - c.Y) * 0.3};
        Mark(s, leave ? Arrow(corner, inner, 1.6, 3.4) : Arrow(inner, corner, 1.6, 3.4));
    }
}

void EnterFullScreen(Sketch& s) { FullScreen(s, false); }
void LeaveFullScreen(Sketch& s) { FullScreen(s, true); }

void OnTop(Sketch& s) {
    Window(s, 2.5, 3, 18, 15, {tones::Steel.Light, tones::Steel.Mid, tones::Steel.Dark, tones::Steel.Edge});
    Window(s, 10.5, 12, 19, 16, tones::Blue);
    Mark(s, Arrow({24.5, 9.5}, {24.5, 1.5}, 2, 3.4), tones::Green.Mid);
}

void Playlist(Sketch& s) {
    Sheet(s, 5, 2.5, 22, 27, 6);
    for (int row = 0; row < 4; ++row) {
        double y = 11 + row * 4.6;
        bool current = row == 1;
        Outline mark = symbols::Play({10.3, y}, 1.5);
        s.Fill(mark, Paint::Solid(current ? tones::Blue.Mid : tones::Steel.Mid));
        s.Fill(Outline().RoundRect(13, y - 0.9, row == 3 ? 7 : 10, 1.8, 0.7),
               Paint::Solid(current ? tones::Blue.Dark : tones::Steel.Dark));
    }
}

} // namespace

std::vector<SketchFunction> ToolbarSketches() {
    return {About,
            Settings,
            Exit,
            CloseMovie,
            FolderTree,
            MenuBar,
            Play,
            Pause,
            Stop,
            StepBack,
            StepForward,
            Open,
            Register,
            Quality,
            BackgroundColour,
            LeaveFullScreen,
            EnterFullScreen,
            OnTop,
            Playlist};
}

} // namespace genpictures
