#pragma once

#include "ui/Action.h"
#include "ui/ImageList.h"
#include "ui/WinControl.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class ToolBar;

// A toolbar button: a view of its action (pressed while the action is
// checked), or a plain button with its own click handler.
class ToolButton : public ActionView {
public:
    ToolButton(ToolBar& bar, std::wstring name, int id);

    const std::wstring& Name() const { return name_; }
    int Id() const { return id_; }

    void SetAction(Action* action) { LinkAction(action); }
    Action* GetAction() const { return LinkedAction(); }
    std::wstring Hint;
    int ImageIndex = -1;
    bool Down() const { return down_; }
    void SetDown(bool down);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    std::function<void()> OnClick;
    void Click();

private:
    void ActionChanged(const Action& action) override;

    ToolBar& bar_;
    std::wstring name_;
    int id_;
    bool down_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    friend class ToolBar;
};

// The platform's toolbar: flat buttons with pictures from an image list and
// their hints as tool tips.
class ToolBar : public WinControl {
public:
    ToolBar() = default;

    ToolButton& AddButton(std::wstring name);
    const std::vector<std::unique_ptr<ToolButton>>& Buttons() const { return buttons_; }
    ToolButton* Find(const std::wstring& name) const;

    void SetImages(const ImageList* images);
    SIZE ButtonSize{58, 40};

    // Shown buttons in their order (the native toolbar's view).
    int ShownButtonCount() const;

protected:
    CreateParams GetCreateParams() const override;
    void HandleCreated() override;
    bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    friend class ToolButton;
    void Rebuild();

    std::vector<std::unique_ptr<ToolButton>> buttons_;
    const ImageList* images_ = nullptr;
};

} // namespace ui
