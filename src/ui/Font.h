#pragma once

#include "ui/Color.h"

#include <windows.h>

#include <string>

namespace ui {

// A font as the window descriptions give it. Height is in pixels (the cell
// height without internal leading, as GDI's negative lfHeight).
struct FontSpec {
    std::wstring Name = L"Tahoma";
    int Height = 11;
    bool Bold = false;
    BYTE Charset = DEFAULT_CHARSET;
    TColor Color = clWindowText;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The shared GDI font for a description; lives as long as the process.
HFONT FontFor(const FontSpec& font);

} // namespace ui
