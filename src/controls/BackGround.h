#pragma once

#include "controls/FillCache.h"
#include "controls/FillRegistry.h"
#include "controls/MediaBitmap.h"
#include "controls/WindowHook.h"
#include "ui/Panel.h"

#include <string>

namespace controls {

// A windowless fill of its parent's client area, drawn by a fill chosen
// by name from the registry. It follows the parent's colour by default.
// While it is visible the parent need not erase its background: the first
// background on a parent whose window exists hooks that window and answers
// the erase requests itself.
class TBackGround : public ui::GraphicControl {
public:
    TBackGround();

    // The registry's spelling of the current fill's name. Setting a name
    // that is not registered changes nothing.
    std::wstring FillType() const { return std::wstring(fill_->name); }
    void SetFillType(std::wstring_view name);

    ui::TColor FillColorNormal() const { return Color(); }
    void SetFillColorNormal(ui::TColor color);
    ui::TColor FillColorDark() const { return dark_; }
    void SetFillColorDark(ui::TColor color);
    ui::TColor FillColorLight() const { return light_; }
    void SetFillColorLight(ui::TColor color);

    // The picture of the bitmap fills; setting copies it.
    const TMediaBitmap& FillBitmap() const { return bitmap_; }
    void SetFillBitmap(const TMediaBitmap& picture);

    bool FillCached() const { return cache_ != nullptr; }
    void SetFillCached(bool cached);
    // The off-screen picture while FillCached, null otherwise.
    const TMediaBitmap* Cache() const { return cache_ ? &cache_->Picture() : nullptr; }

    // Whether this background holds the hook on its parent's window.
    bool HooksParent() const { return hook_.Window() != nullptr; }

    void Paint(HDC dc) override;

protected:
    void AppearanceChanged() override { Changed(); }
    void BoundsChanged() override;

private:
    TFillColors Colors() const { return {Color(), dark_, light_}; }
    void Changed();
    void PaintDirect(HDC dc) const;
    void PaintCached(HDC dc);
    void AttachToParent();
    std::optional<LRESULT> HandleParentMessage(UINT msg, WPARAM wp, LPARAM lp);

    const TFillEntry* fill_;
    ui::TColor dark_;
    ui::TColor light_;
    TMediaBitmap bitmap_;
    std::unique_ptr<TFillCache> cache_;
    TWindowHook hook_;
    ui::WinControl* attachedTo_ = nullptr;
};

} // namespace controls
