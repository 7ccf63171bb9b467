#pragma once

#include "Outline.h"

namespace genpictures::symbols {

// The player's symbols, each filling the square of half-side r about c
// (optically centred), so the glyphs, the toolbar and the icons share them.
Outline Play(Point c, double r);
Outline Pause(Point c, double r);
Outline Stop(Point c, double r);
Outline StepBack(Point c, double r);
Outline StepForward(Point c, double r);
Outline Eject(Point c, double r);
Outline Speaker(Point c, double r);
// Two bars crossing at c, each `thickness` wide.
Outline Cross(Point c, double r, double thickness);
Outline Plus(Point c, double r, double thickness);
Outline Minus(Point c, double r, double thickness);
// Arcs of sound to the right of c, as outlines to stroke.
Outline Waves(Point c, double r);

} // namespace genpictures::symbols
