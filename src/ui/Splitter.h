#pragma once

#include "ui/WinControl.h"

namespace ui {

// A bar between two aligned neighbours. Dragging it shows a line over the
// parent and, on release, resizes the neighbour it is aligned against.
class Splitter : public WinControl {
public:
    Splitter() = default;

    // False for a plain separator: arrow cursor, no dragging.
    bool Resizable = true;
    // Neither the neighbour nor the rest of the parent shrinks below this.
    int MinSize = 30;

    // The control the splitter resizes: the visible sibling with the same
    // alignment that touches it on the aligned side.
    Control* Target() const;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool Vertical() const; // splits left/right
    int Clamp(int size) const;
    void BeginDrag(POINT at);
    void Track(POINT at);
    void EndDrag(bool apply);
    void DrawLine() const;
    int LinePosition() const;
    int ClientSpace() const;

    Control* target_ = nullptr;
    int startMouse_ = 0;
    int startSize_ = 0;
    int newSize_ = 0;
};

} // namespace ui
