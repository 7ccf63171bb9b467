#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

namespace ui {

class Form;

// The process-wide application object: the title, the standard error box
// and the message loop. Handlers never let an exception cross a Win32
// callback; they hand it to HandleException instead.
class Application {
public:
    // Shows the error box: the message with the closing full stop rule, the
    // application title as caption, the error icon and one OK button.
    using ErrorBox = std::function<void(const std::wstring& text, const std::wstring& caption)>;

    static Application& Instance();

    const std::wstring& Title() const { return title_; }
    void SetTitle(std::wstring title) { title_ = std::move(title); }

    // Tests swap the modal box for a recorder; returns the previous one.
    ErrorBox ReplaceErrorBox(ErrorBox box);

    // Call from a catch block: shows the current exception in the error box.
    void HandleException() noexcept;
    void ShowError(const std::wstring& message) noexcept;

    // Runs fn and reports what it throws; for every entry from Win32.
    template <class Fn> void Guard(Fn&& fn) noexcept {
        try {
            fn();
        } catch (...) {
            HandleException();
        }
    }

    // Shows the main form and pumps messages until it is destroyed; returns
    // the exit code.
    int Run(Form& mainForm);

    // The form whose closing ends the program (the one Run shows).
    Form* MainForm() const { return mainForm_; }

    // Dispatches every pending message, then returns.
    void ProcessMessages();

    // The form whose shortcuts the loop serves; Run sets it.
    void SetMainForm(Form* form) { mainForm_ = form; }

    // Hands one message on, the main window's shortcuts first (modal loops
    // use it too).
    void Dispatch(const MSG& msg);

private:
    Application();

    std::wstring title_;
    ErrorBox errorBox_;
    Form* mainForm_ = nullptr;
};

inline Application& App() { return Application::Instance(); }

// The message of an exception object, widened from UTF-8.
std::wstring ExceptionMessage(std::exception_ptr error);

} // namespace ui
