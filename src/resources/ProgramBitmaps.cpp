#include "resources/ProgramBitmaps.h"

#include <windows.h>

#include <cstdint>
#include <stdexcept>

namespace resources {

void LoadProgramBitmaps(controls::TMediaBitmapList& list) {
    list.Clear();
    // Resources of the module live as long as the program; nothing to free.
    HRSRC found = FindResourceW(nullptr, L"MediaBitmaps", RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        throw std::runtime_error("the bitmap list \"MediaBitmaps\" is missing from the program");
    list.ReadData({static_cast<const uint8_t*>(data), SizeofResource(nullptr, found)});
}

} // namespace resources
