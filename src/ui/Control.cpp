#include "ui/Control.h"

#include "ui/WinControl.h"

namespace ui {

void Control::SetBounds(const ui::Bounds& bounds) {
    if (bounds == bounds_)
        return;
    InvalidateInParent();
    bounds_ = bounds;
    InvalidateInParent();
    BoundsChanged();
    if (align_ != ui::Align::None && parent_)
        parent_->Realign();
}

void Control::SetAlign(ui::Align align) {
    align_ = align;
    if (parent_)
        parent_->Realign();
}

void Control::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    InvalidateInParent();
    VisibilityChanged();
    if (align_ != ui::Align::None && parent_)
        parent_->Realign();
}

void Control::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    EnabledChanged();
}

TColor Control::Color() const { return parentColor_ && parent_ ? parent_->Color() : color_; }

void Control::SetColor(TColor color) {
    color_ = color;
    parentColor_ = false;
    AppearanceChanged();
}

void Control::SetParentColor(bool value) {
    parentColor_ = value;
    AppearanceChanged();
}

const FontSpec& Control::Font() const { return parentFont_ && parent_ ? parent_->Font() : font_; }

void Control::SetFont(const FontSpec& font) {
    font_ = font;
    parentFont_ = false;
    AppearanceChanged();
}

void Control::InvalidateInParent() const {
    if (!parent_ || !parent_->HandleAllocated())
        return;
    RECT r{bounds_.Left, bounds_.Top, bounds_.Right(), bounds_.Bottom()};
    InvalidateRect(parent_->HandleIfCreated(), &r, FALSE);
}

} // namespace ui
