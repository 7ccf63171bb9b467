#pragma once

#include "Picture.h"
#include "Sketch.h"

#include <vector>

namespace genpictures {

using SketchFunction = void (*)(Sketch&);

// The sketches of each set, in the order the program's lists use them.
// Toolbar, tray and icons are designed on 32 units, the glyphs on 16.
std::vector<SketchFunction> ToolbarSketches();
std::vector<SketchFunction> TraySketches();
std::vector<SketchFunction> GlyphSketches();
void WindowIconSketch(Sketch& sketch);
void FileIconSketch(Sketch& sketch);

// Renders a sketch drawn on `design` units at `size` pixels.
Picture Draw(SketchFunction sketch, double design, int size);
std::vector<Picture> DrawAll(const std::vector<SketchFunction>& sketches, double design, int size);

// The sizes an icon file holds.
inline constexpr int IconSizes[] = {16, 32, 48};
std::vector<Picture> DrawIcon(SketchFunction sketch);

} // namespace genpictures
