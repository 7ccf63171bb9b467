#include "settings/AboutForm.h"

#include "resources/WindowPictures.h"
#include "ui/Application.h"

#include <shellapi.h>

namespace settings {
namespace {

using ui::ControlDescription;
using ui::Make;

constexpr ui::TColor clSilver = 0xC0C0C0;
constexpr ui::TColor clWindow = 0xFF000000 | COLOR_WINDOW;
constexpr int BoxWidth = 370, BoxHeight = 211;

const ui::FontSpec VersionFont{L"Trebuchet MS", 15, false, DEFAULT_CHARSET, ui::clWhite};
const ui::FontSpec LinkFont{L"Verdana", 13, true, DEFAULT_CHARSET, ui::clNavy};
const ui::FontSpec MakerFont{L"Arial Black", 13, false, DEFAULT_CHARSET, ui::clNavy};

void Shadowed(ui::Control& c) { static_cast<ui::ShadowLabel&>(c).ShadowColor = clSilver; }

// The labels stand on the picture, so that they are drawn over it.
const ControlDescription Controls[] = {
    {.Name = L"Image1",
     .Make = Make<ui::Image>,
     .Place = {0, 0, BoxWidth, BoxHeight},
     .Align = ui::Align::Client},
    {.Name = L"Label1",
     .Parent = L"Image1",
     .Make = Make<ui::ShadowLabel>,
     .Place = {144, 112, 96, 22},
     .Text = L"VERSION   0.8",
     .Font = &VersionFont,
     .Setup = Shadowed},
    {.Name = L"URLLabel1",
     .Parent = L"Image1",
     .Make = Make<ui::LinkLabel>,
     .Place = {88, 144, 217, 16},
     .Text = ContactAddress,
     .Font = &LinkFont},
    {.Name = L"Label2",
     .Parent = L"Image1",
     .Make = Make<ui::ShadowLabel>,
     .Place = {69, 176, 256, 20},
     .Text = L"Сделано для любителей Flash",
     .Font = &MakerFont,
     .Setup = Shadowed},
};

} // namespace

std::wstring MailLink() {
    return std::wstring(L"mailto:") + ContactAddress + L"?subject=KorvalenFlashPlayer%200.8";
}

ui::WindowBuilder TAboutForm::BuildControls(TAboutForm& form) {
    ui::WindowBuilder builder;
    builder.Build(form, Controls);
    return builder;
}

TAboutForm::TAboutForm(ui::Form& owner)
    : builder_(BuildControls(*this)), Image1(builder_.Get<ui::Image>(L"Image1")),
      Label1(builder_.Get<ui::ShadowLabel>(L"Label1")), URLLabel1(builder_.Get<ui::LinkLabel>(L"URLLabel1")),
      Label2(builder_.Get<ui::ShadowLabel>(L"Label2")) {
    SetDesignProperties(owner);
    // Without its picture the box still shows its labels; the box says why.
    ui::App().Guard([this] { Image1.SetPicture(resources::LoadJpegPicture(resources::AboutPicture)); });
    Image1.OnClick = [this] { Image1Click(); };
    URLLabel1.OnClick = [this] { URLLabel1Click(); };
}

void TAboutForm::SetDesignProperties(ui::Form& owner) {
    SetCaption(L"О программе");
    SetBorderStyle(ui::BorderStyle::Dialog);
    SetColor(clWindow);
    SetStayOnTop(true);
    Owner = &owner;
    SetClientSize(BoxWidth, BoxHeight);
    CentreOver(owner);
}

void TAboutForm::URLLabel1Click() {
    std::wstring link = MailLink();
    ShellExecuteW(HandleIfCreated(), L"Open", link.c_str(), nullptr, nullptr, SW_RESTORE);
}

} // namespace settings
