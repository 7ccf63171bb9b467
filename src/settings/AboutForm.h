#pragma once

#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/LinkLabel.h"
#include "ui/ShadowLabel.h"
#include "ui/WindowDescription.h"

#include <string>

namespace settings {

// The maker's contact address and the mail link the About box opens.
inline constexpr const wchar_t* ContactAddress = L"player@example.org";
std::wstring MailLink();

// The About box: the program's picture with its version, the maker line
// and the contact address as a mail link. A click on the picture closes it.
class TAboutForm : public ui::Form {
    ui::WindowBuilder builder_;

public:
    explicit TAboutForm(ui::Form& owner);

    ui::Image& Image1;
    ui::ShadowLabel& Label1;
    ui::LinkLabel& URLLabel1;
    ui::ShadowLabel& Label2;

    void Image1Click() { Close(); }
    void URLLabel1Click();

private:
    static ui::WindowBuilder BuildControls(TAboutForm& form);
    void SetDesignProperties(ui::Form& owner);
};

} // namespace settings
