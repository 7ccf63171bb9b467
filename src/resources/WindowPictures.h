#pragma once

#include "ui/Handles.h"

namespace resources {

// The settings dialog's and the About box's pictures, embedded by name.
inline constexpr const wchar_t* GeneralBanner = L"GeneralBanner";
inline constexpr const wchar_t* ViewBanner = L"ViewBanner";
inline constexpr const wchar_t* AboutPicture = L"AboutPicture";
inline constexpr const wchar_t* GeneralPageIcon = L"GeneralPage";
inline constexpr const wchar_t* ViewPageIcon = L"ViewPage";

// An embedded JPEG picture decoded into a 32-bit DIB section. Throws
// std::runtime_error when it is missing or damaged.
ui::BitmapHandle LoadJpegPicture(const wchar_t* name);

// An embedded icon at size x size, with its transparency. Throws
// std::runtime_error when it is missing.
ui::IconHandle LoadIconPicture(const wchar_t* name, int size);

} // namespace resources
