#pragma once

#include "ui/Color.h"
#include "ui/Font.h"

#include <windows.h>

#include <string>

namespace ui {

class WinControl;
class Menu;

enum class Align { None, Top, Bottom, Left, Right, Client };

struct Bounds {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    friend bool operator==(const Bounds&, const Bounds&) = default;
};

// What every control has, windowed or not. A control belongs to its parent
// (WinControl owns its children); the window of a windowed control exists
// only while its parent's does.
class Control {
public:
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::wstring& Name() const { return name_; }
    void SetName(std::wstring name) { name_ = std::move(name); }
    WinControl* Parent() const { return parent_; }

    const ui::Bounds& GetBounds() const { return bounds_; }
    void SetBounds(const ui::Bounds& bounds);
    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width; }
    int Height() const { return bounds_.Height; }
    void SetLeft(int left) { SetBounds({left, bounds_.Top, bounds_.Width, bounds_.Height}); }
    void SetTop(int top) { SetBounds({bounds_.Left, top, bounds_.Width, bounds_.Height}); }
    void SetWidth(int width) { SetBounds({bounds_.Left, bounds_.Top, width, bounds_.Height}); }
    void SetHeight(int height) { SetBounds({bounds_.Left, bounds_.Top, bounds_.Width, height}); }

    ui::Align GetAlign() const { return align_; }
    void SetAlign(ui::Align align);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Tool tip text; shown only when ShowHint is set.
    std::wstring Hint;
    bool ShowHint = false;
    // The menu a right-click over the control opens (none when null).
    Menu* PopupMenu = nullptr;

    TColor Color() const;
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);

    const FontSpec& Font() const;
    void SetFont(const FontSpec& font);
    bool ParentFont() const { return parentFont_; }

    // Paints what a windowless control shows; the DC's origin is the
    // control's top-left corner.
    virtual void Paint(HDC) {}

    // Screen-independent position inside the parent's client area.
    POINT OffsetInParent() const { return {bounds_.Left, bounds_.Top}; }

protected:
    Control() = default;

    virtual void BoundsChanged() {}
    virtual void VisibilityChanged() {}
    virtual void EnabledChanged() {}
    virtual void AppearanceChanged() {}

    // Asks the parent to repaint the control's area (windowless controls).
    void InvalidateInParent() const;

private:
    friend class WinControl;

    std::wstring name_;
    WinControl* parent_ = nullptr;
    ui::Bounds bounds_;
    ui::Align align_ = ui::Align::None;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    FontSpec font_;
    bool parentFont_ = true;
};

} // namespace ui
