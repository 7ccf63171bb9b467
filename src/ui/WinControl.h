#pragma once

#include "ui/Control.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

// A control with a window of its own. It owns its children and creates its
// window (and theirs) on demand, when a parent's window exists.
class Form;

class WinControl : public Control {
public:
    ~WinControl() override;

    template <class T, class... Args> T& Add(Args&&... args) {
        auto child = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *child;
        Adopt(std::move(child));
        return ref;
    }
    Control& Adopt(std::unique_ptr<Control> child);
    const std::vector<std::unique_ptr<Control>>& Children() const { return children_; }

    // The window, created with the parent's on first use.
    HWND Handle();
    HWND HandleIfCreated() const { return window_; }
    bool HandleAllocated() const { return window_ != nullptr; }
    static WinControl* FromHandle(HWND window);
    // The top-level form this control sits on, if any.
    Form* OwnerForm();

    const std::wstring& Text() const { return text_; }
    void SetText(std::wstring text);

    int ClientWidth() const { return ClientSize().cx; }
    int ClientHeight() const { return ClientSize().cy; }
    virtual SIZE ClientSize() const;

    void Invalidate();
    void SetFocus();
    bool Focused() const;
    bool TabStop = false;

    // Places the aligned children: top, bottom, left, right, then client,
    // each group in the order the children were added.
    void Realign();

    std::function<void()> OnResize;

    // Whether the control keeps this key for itself: then no shortcut
    // command sees it.
    virtual bool WantsKey(UINT) { return false; }

    // Paints the control's background into dc for a child drawn over it
    // (transparent labels, bars): the DC's origin is this control's client
    // origin, area is the part that is wanted.
    virtual void PaintBackground(HDC dc, const RECT& area);

protected:
    WinControl() = default;

    struct CreateParams {
        const wchar_t* ClassName = nullptr; // null: the framework's own class
        DWORD Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        DWORD ExStyle = 0;
    };
    virtual CreateParams GetCreateParams() const { return {}; }
    virtual void HandleCreated() {}

    // Every message of the window; the default passes it on.
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);

    // Messages a parent reflects to the child they concern (WM_COMMAND,
    // WM_NOTIFY, WM_CTLCOLOR*). Return true when handled.
    virtual bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

    // WM_PAINT of the framework's own window class.
    virtual void PaintWindow(HDC dc, const RECT& dirty);
    void PaintGraphicChildren(HDC dc, const RECT& dirty);

    void BoundsChanged() override;
    void VisibilityChanged() override;
    void EnabledChanged() override;
    void AppearanceChanged() override;
    virtual void ResizeFinished();

    // Records text the window itself changed (typing into an edit field).
    void StoreText(std::wstring text) { text_ = std::move(text); }

    void CreateHandle(HWND parentWindow);
    void DestroyHandle();
    void CreateChildHandles();
    virtual HWND ParentWindowFor() { return Parent() ? Parent()->Handle() : nullptr; }

private:
    static const wchar_t* OwnClassName();
    static LRESULT CALLBACK OwnClassProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) noexcept;
    bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    void Attach(HWND window);

    friend class Control;

    std::vector<std::unique_ptr<Control>> children_;
    HWND window_ = nullptr;
    bool subclassed_ = false;
    std::wstring text_;
    Bounds lastSize_;
};

} // namespace ui
