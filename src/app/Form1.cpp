#include "app/Form1.h"

#include "app/CommandLine.h"
#include "app/Form1Description.h"
#include "app/Glyphs.h"
#include "controls/MediaBars.h"
#include "resources/ProgramBitmaps.h"
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

TForm1::TForm1(std::wstring commandLine) : TForm1(std::move(commandLine), TForm1Services()) {}

TForm1::TForm1(std::wstring commandLine, TForm1Services services)
    : builder_(BuildControls(*this)), ToolBar1(builder_.Get<ui::ToolBar>(L"ToolBar1")),
      Splitter3(builder_.Get<ui::Splitter>(L"Splitter3")), Panel1(builder_.Get<ui::Panel>(L"Panel1")),
      ShellTree1(builder_.Get<view::TShellTree>(L"ShellTree1")),
      Splitter2(builder_.Get<ui::Splitter>(L"Splitter2")),
      FileListBox1(builder_.Get<view::TFileListBox>(L"FileListBox1")),
      BackGround3(builder_.Get<controls::TBackGround>(L"BackGround3")),
      Splitter1(builder_.Get<ui::Splitter>(L"Splitter1")), Panel2(builder_.Get<ui::Panel>(L"Panel2")),
      Panel3(builder_.Get<ui::Panel>(L"Panel3")),
      ShockwaveFlash1(builder_.Get<playback::TShockwaveFlash>(L"ShockwaveFlash1")),
      Panel4(builder_.Get<ui::Panel>(L"Panel4")),
      ColorPicker1(builder_.Get<controls::TColorPicker>(L"ColorPicker1")),
      Button2(builder_.Get<ui::Button>(L"Button2")),
      BackGround1(builder_.Get<controls::TBackGround>(L"BackGround1")),
      BackGround2(builder_.Get<controls::TBackGround>(L"BackGround2")),
      Label1(builder_.Get<ui::Label>(L"Label1")), Label2(builder_.Get<ui::Label>(L"Label2")),
      MediaProgressBar1(builder_.Get<controls::TMediaProgressBar>(L"MediaProgressBar1")),
      BitBtn1(builder_.Get<ui::BitBtn>(L"BitBtn1")), BitBtn2(builder_.Get<ui::BitBtn>(L"BitBtn2")),
      BitBtn3(builder_.Get<ui::BitBtn>(L"BitBtn3")), BitBtn4(builder_.Get<ui::BitBtn>(L"BitBtn4")),
      BitBtn6(builder_.Get<ui::BitBtn>(L"BitBtn6")), BitBtn5(builder_.Get<ui::BitBtn>(L"BitBtn5")),
      MediaProgressBar2(builder_.Get<controls::TMediaProgressBar>(L"MediaProgressBar2")),
      SpeedButton1(builder_.Get<ui::SpeedButton>(L"SpeedButton1")),
      SpeedButton4(builder_.Get<ui::SpeedButton>(L"SpeedButton4")),
      SpeedButton2(builder_.Get<ui::SpeedButton>(L"SpeedButton2")),
      SpeedButton3(builder_.Get<ui::SpeedButton>(L"SpeedButton3")), Edit1(builder_.Get<ui::Edit>(L"Edit1")),
      Edit3(builder_.Get<ui::Edit>(L"Edit3")), Edit4(builder_.Get<ui::Edit>(L"Edit4")),
      Edit5(builder_.Get<ui::Edit>(L"Edit5")), Edit6(builder_.Get<ui::Edit>(L"Edit6")),
      Button3(builder_.Get<ui::Button>(L"Button3")), Button4(builder_.Get<ui::Button>(L"Button4")),
      SoundControl1(std::move(services.SoundDevices)), TrayIcon1(*this, std::move(services.TrayShell)),
      Open(Command(ActionList1, L"Open")), CloseFile(Command(ActionList1, L"CloseFile")),
      Play(Command(ActionList1, L"Play")), Pause(Command(ActionList1, L"Pause")),
      Stop(Command(ActionList1, L"Stop")), ShowDir(Command(ActionList1, L"ShowDir")),
      ShowLibruary(Command(ActionList1, L"ShowLibruary")), FrameBack(Command(ActionList1, L"FrameBack")),
      FrameForward(Command(ActionList1, L"FrameForward")), K1(Command(ActionList1, L"K1")),
      K2(Command(ActionList1, L"K2")), K3(Command(ActionList1, L"K3")),
      FileName(Command(ActionList1, L"FileName")), Frame(Command(ActionList1, L"Frame")),
      TrayIcon(Command(ActionList1, L"TrayIcon")), TrayAnimation(Command(ActionList1, L"TrayAnimation")),
      Intro(Command(ActionList1, L"Intro")), EscFull(Command(ActionList1, L"EscFull")),
      EscapeFullscreen(Command(ActionList1, L"EscapeFullscreen")),
      SaveShowLibrary(Command(ActionList1, L"SaveShowLibrary")),
      ClassicMenu(Command(ActionList1, L"ClassicMenu")), OnTop(Command(ActionList1, L"OnTop")),
      commandLine_(std::move(commandLine)), settingsFolder_(std::move(services.SettingsFolder)),
      registry_(std::move(services.Registry)), programFile_(std::move(services.ProgramFile)) {
    SetDesignProperties();
    Handle();
    ui::App().Guard([this] { FormCreate(); });
    CreateSettingsDialog();
}

void TForm1::SetDesignProperties() {
    SetCaption(L"KorvalenFlashPlayer");
    SetFont(WindowFont);
    SetColor(ui::clBtnFace);
    SetBounds({333, 211, 651, 498});
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
    SetUpBars();
    OpenDialog2.Filter = L"Flash files (*.swf)|*.swf";
    OpenDialog2.InitialDir = L"C:\\Documents and Settings\\Admin\\Рабочий стол";
    OpenDialog2.FileMustExist = false;
    Timer1.SetInterval(100);
    SetUpVolume();
    SetUpTray();
    BindEvents();
    // With the menu bar in place: this system's frame may differ from the
    // design's, the client area may not.
    SetClientSize(Form1ClientWidth, Form1ClientHeight);
    Panel3Resize();
}

void TForm1::SetUpBars() {
    // Without the bitmap list the bars still work, drawn without their
    // picture; the box says why.
    ui::App().Guard([this] { resources::LoadProgramBitmaps(MediaBitmapList1); });
    MediaProgressBar1.SetUp(controls::MediaProgressBar1Setup(), &MediaBitmapList1);
    MediaProgressBar2.SetUp(controls::MediaProgressBar2Setup(), &MediaBitmapList1);
}

void TForm1::BindEvents() {
    BindCommands();
    const std::pair<ui::Button*, void (TForm1::*)()> clicks[] = {
        {&BitBtn2, &TForm1::BitBtn2Click}, {&BitBtn3, &TForm1::BitBtn3Click},
        {&BitBtn4, &TForm1::BitBtn4Click}, {&BitBtn5, &TForm1::BitBtn5Click},
        {&BitBtn6, &TForm1::BitBtn6Click}, {&Button3, &TForm1::Button3Click},
        {&Button4, &TForm1::Button4Click},
    };
    for (auto [button, click] : clicks)
        button->OnClick = [this, click] { (this->*click)(); };
    BitBtn1.OnClick = [this] { CloseFile.Execute(); };
    Button2.OnClick = [this] { Button2Click(); };
    ColorPicker1.OnChange = [this] { ColorPicker1Change(); };
    BuildMenus();
    BuildToolBar();
    FileListBox1.OnDblClick = [this] { FileListBox1DblClick(); };
    ShellTree1.OnChange = [this] { ShellTree1Change(); };
    Timer1.OnTimer = [this] { Timer1Timer(); };
    Panel3.OnResize = [this] { Panel3Resize(); };
    OnShow = [this] { FormShow(); };
    OnClose = [this] { FormClose(); };
}

void TForm1::FormCreate() {
    FileListBox1.Clear();
    ReadSettings();
    Intro.Execute();
    Label2.SetLeft(Panel3.Width() - Label2.Width());
    SetVolumeAtStart();
}

void TForm1::FormShow() {
    if (!HasArguments(commandLine_)) {
        StopTrayAnimation();
        return;
    }
    std::wstring path = CommandLinePath(commandLine_);
    ShockwaveFlash1.SetMovie(path);
    FollowPath(path);
    SetProgressRange();
    Timer1.SetEnabled(true);
    ShockwaveFlash1.Play();
    FileName.Execute();
    Frame.Execute();
    ShowPlayingLook();
    TrayAnimation.Execute();
}

void TForm1::FormClose() {
    // A settings file that cannot be written is reported, and the window
    // still closes the movie and resets the volume.
    ui::App().Guard([this] { WriteSettings(); });
    BitBtn1.Click();
    // A window closed while muted must not leave the sound card silent.
    SoundControl1.Wave().SetVolume(kFullVolume);
}

void TForm1::Panel3Resize() {
    Panel3.SetFocus();
    ShockwaveFlash1.SetFocus();
    MediaProgressBar1.SetWidth(Panel3.Width() - 13);
    Label2.SetLeft(Panel3.Width() - Label2.Width() - 6);
}

} // namespace app
