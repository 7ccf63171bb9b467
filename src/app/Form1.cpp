#include "app/Form1.h"

#include "app/CommandLine.h"
#include "app/Form1Description.h"
#include "app/Glyphs.h"
#include "ui/Application.h"

namespace app {
namespace {

const ui::FontSpec WindowFont{L"MS Reference Sans Serif", 11, false, RUSSIAN_CHARSET, ui::clWindowText};

} // namespace

ui::WindowBuilder TForm1::BuildControls(TForm1& form) {
    ui::WindowBuilder builder;
    builder.Build(form, Form1Description());
    return builder;
}

TForm1::TForm1(std::wstring commandLine)
    : builder_(BuildControls(*this)), ToolBar1(builder_.Get<ui::Panel>(L"ToolBar1")),
      Splitter3(builder_.Get<ui::Splitter>(L"Splitter3")), Panel1(builder_.Get<ui::Panel>(L"Panel1")),
      ShellTree1(builder_.Get<ui::Panel>(L"ShellTree1")), Splitter2(builder_.Get<ui::Splitter>(L"Splitter2")),
      FileListBox1(builder_.Get<ui::Panel>(L"FileListBox1")),
      BackGround3(builder_.Get<ui::GraphicControl>(L"BackGround3")),
      Splitter1(builder_.Get<ui::Splitter>(L"Splitter1")), Panel2(builder_.Get<ui::Panel>(L"Panel2")),
      Panel3(builder_.Get<ui::Panel>(L"Panel3")),
      ShockwaveFlash1(builder_.Get<playback::TShockwaveFlash>(L"ShockwaveFlash1")),
      Panel4(builder_.Get<ui::Panel>(L"Panel4")),
      ColorPicker1(builder_.Get<ui::GraphicControl>(L"ColorPicker1")),
      Button2(builder_.Get<ui::Button>(L"Button2")),
      BackGround1(builder_.Get<ui::GraphicControl>(L"BackGround1")),
      BackGround2(builder_.Get<ui::GraphicControl>(L"BackGround2")),
      Label1(builder_.Get<ui::Label>(L"Label1")), Label2(builder_.Get<ui::Label>(L"Label2")),
      MediaProgressBar1(builder_.Get<ui::Panel>(L"MediaProgressBar1")),
      BitBtn1(builder_.Get<ui::BitBtn>(L"BitBtn1")), BitBtn2(builder_.Get<ui::BitBtn>(L"BitBtn2")),
      BitBtn3(builder_.Get<ui::BitBtn>(L"BitBtn3")), BitBtn4(builder_.Get<ui::BitBtn>(L"BitBtn4")),
      BitBtn6(builder_.Get<ui::BitBtn>(L"BitBtn6")), BitBtn5(builder_.Get<ui::BitBtn>(L"BitBtn5")),
      MediaProgressBar2(builder_.Get<ui::Panel>(L"MediaProgressBar2")),
      SpeedButton1(builder_.Get<ui::SpeedButton>(L"SpeedButton1")),
      SpeedButton4(builder_.Get<ui::SpeedButton>(L"SpeedButton4")),
      SpeedButton2(builder_.Get<ui::SpeedButton>(L"SpeedButton2")),
      SpeedButton3(builder_.Get<ui::SpeedButton>(L"SpeedButton3")), Edit1(builder_.Get<ui::Edit>(L"Edit1")),
      Edit3(builder_.Get<ui::Edit>(L"Edit3")), Edit4(builder_.Get<ui::Edit>(L"Edit4")),
      Edit5(builder_.Get<ui::Edit>(L"Edit5")), Edit6(builder_.Get<ui::Edit>(L"Edit6")),
      commandLine_(std::move(commandLine)) {
    SetDesignProperties();
    Handle();
    ui::App().Guard([this] { FormCreate(); });
}

void TForm1::SetDesignProperties() {
    SetCaption(L"KorvalenFlashPlayer");
    SetFont(WindowFont);
    SetColor(ui::clBtnFace);
    SetBounds({333, 211, 651, 498});
    SetClientSize(Form1ClientWidth, Form1ClientHeight);
    MinimumSize = {Form1MinWidth, Form1MinHeight};
    DesignFrame = {651 - Form1ClientWidth, 498 - Form1ClientHeight};
    CentreOnFirstShow = true;
    const std::pair<ui::BitBtn*, Glyph> glyphs[] = {
        {&BitBtn1, Glyph::Close},         {&BitBtn2, Glyph::Back},        {&BitBtn3, Glyph::Stop},
        {&BitBtn4, Glyph::Play},          {&BitBtn6, Glyph::Pause},       {&BitBtn5, Glyph::Forward},
        {&SpeedButton1, Glyph::Mute},     {&SpeedButton4, Glyph::Unmute}, {&SpeedButton2, Glyph::VolumeDown},
        {&SpeedButton3, Glyph::VolumeUp},
    };
    for (auto [button, glyph] : glyphs)
        button->SetGlyph(MakeGlyph(glyph));
    Panel3.OnResize = [this] { Panel3Resize(); };
    Panel3Resize(); // the view's size on this system may differ from the design
    OnShow = [this] { FormShow(); };
    OnClose = [this] { FormClose(); };
}

void TForm1::FormCreate() {
    // The file list, the settings file, the intro movie and the wave volume
    // join these steps as they are built.
    Label2.SetLeft(Panel3.Width() - Label2.Width());
}

void TForm1::FormShow() {
    if (!HasArguments(commandLine_))
        return;
    ShockwaveFlash1.SetMovie(CommandLinePath(commandLine_));
    ShockwaveFlash1.Play();
    BitBtn4.Hide();
    BitBtn6.Show();
}

void TForm1::FormClose() {
    // The settings file, closing the movie and the wave volume join here.
}

void TForm1::Panel3Resize() {
    Panel3.SetFocus();
    ShockwaveFlash1.SetFocus();
    MediaProgressBar1.SetWidth(Panel3.Width() - 13);
    Label2.SetLeft(Panel3.Width() - Label2.Width() - 6);
}

} // namespace app
