#pragma once

#include "Style.h"

namespace genpictures::parts {

// The program's emblem: a blue glass disc with a play mark.
void Emblem(Sketch& sketch, Point centre, double radius);

// A sheet of paper with its top right corner folded over.
void Sheet(Sketch& sketch, double x, double y, double w, double h, double fold);

// A folder in the box; `open` tips its front flap forward to show a sheet.
void Folder(Sketch& sketch, double x, double y, double w, double h, bool open = false);

// A small round badge in the tone over a picture's corner.
void Badge(Sketch& sketch, Point centre, double radius, const Tone& tone);

// A monitor with a lit screen; returns the screen's centre.
Point Screen(Sketch& sketch);

// An arrow from `from` to `to` with a head of the given size.
Outline Arrow(Point from, Point to, double shaft, double head);

// A white stroked mark with the same soft shadow as the filled marks.
void StrokeMark(Sketch& sketch, const Outline& outline, double width);

// A window with a title bar in the tone.
void Window(Sketch& sketch, double x, double y, double w, double h, const Tone& title);

} // namespace genpictures::parts
