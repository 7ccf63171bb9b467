#pragma once

#include "controls/BackGround.h"
#include "controls/ColorPicker.h"
#include "controls/MediaBitmapList.h"
#include "controls/MediaProgressBar.h"
#include "controls/SoundControl.h"
#include "controls/TrayIcon.h"
#include "controls/WinmmSoundDevices.h"
#include "playback/ApplicationFolder.h"
#include "playback/ShockwaveFlash.h"
#include "settings/FileAssociation.h"
#include "settings/Form2.h"
#include "settings/RegistryWriter.h"
#include "settings/SettingsFile.h"
#include "ui/Action.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/Label.h"
#include "ui/OpenDialog.h"
#include "ui/Panel.h"
#include "ui/Splitter.h"
#include "ui/Timer.h"
#include "ui/ToolBar.h"
#include "ui/WindowDescription.h"
#include "view/FileListBox.h"
#include "view/ShellTree.h"

#include <string>

namespace app {

// What the window talks to outside the process: the sound card, the
// notification area, the folder of the settings file and the registry the
// .swf association goes to. Tests hand in fakes and a folder of their own.
struct TForm1Services {
    controls::TSoundDevices SoundDevices = controls::SystemSoundDevices();
    std::unique_ptr<controls::TrayShell> TrayShell = controls::SystemTrayShell();
    std::wstring SettingsFolder = playback::ApplicationFolder();
    std::unique_ptr<settings::TRegistryWriter> Registry = settings::SystemRegistry();
    // The program the association starts.
    std::wstring ProgramFile = settings::RunningProgramFile();
};

// The main window: the toolbar, the movie view, the folder and file panel
// and the control panel with transport, progress and volume.
class TForm1 : public ui::Form {
    // First members: the control and command references below are bound
    // from them.
    ui::WindowBuilder builder_;

public:
    // commandLine is the process's raw command line (program name first).
    explicit TForm1(std::wstring commandLine);
    TForm1(std::wstring commandLine, TForm1Services services);

    // Controls, owned by their parents; the layout is in Form1Description.
    ui::ToolBar& ToolBar1;
    ui::Splitter& Splitter3;
    ui::Panel& Panel1;
    view::TShellTree& ShellTree1;
    ui::Splitter& Splitter2;
    view::TFileListBox& FileListBox1;
    controls::TBackGround& BackGround3;
    ui::Splitter& Splitter1;
    ui::Panel& Panel2;
    ui::Panel& Panel3;
    playback::TShockwaveFlash& ShockwaveFlash1;
    ui::Panel& Panel4;
    controls::TColorPicker& ColorPicker1;
    ui::Button& Button2;
    controls::TBackGround& BackGround1;
    controls::TBackGround& BackGround2;
    ui::Label& Label1;
    ui::Label& Label2;
    controls::TMediaProgressBar& MediaProgressBar1;
    ui::BitBtn& BitBtn1;
    ui::BitBtn& BitBtn2;
    ui::BitBtn& BitBtn3;
    ui::BitBtn& BitBtn4;
    ui::BitBtn& BitBtn6;
    ui::BitBtn& BitBtn5;
    controls::TMediaProgressBar& MediaProgressBar2;
    ui::SpeedButton& SpeedButton1;
    ui::SpeedButton& SpeedButton4;
    ui::SpeedButton& SpeedButton2;
    ui::SpeedButton& SpeedButton3;
    ui::Edit& Edit1;
    ui::Edit& Edit3;
    ui::Edit& Edit4;
    ui::Edit& Edit5;
    ui::Edit& Edit6;
    ui::Button& Button3;
    ui::Button& Button4;

    // Components.
    ui::ActionList ActionList1 = MakeActionList();
    ui::Timer Timer1;
    ui::OpenDialog OpenDialog2;
    controls::TMediaBitmapList MediaBitmapList1;
    ui::Menu MainMenu1{ui::Menu::Kind::Bar};
    ui::Menu MainMenu2{ui::Menu::Kind::Bar}; // empty: the state without a menu bar
    ui::Menu PopupMenu1{ui::Menu::Kind::Popup};
    ui::Menu PopupMenu2{ui::Menu::Kind::Popup};
    ui::ImageList ImageList1{32, 32};
    controls::TSoundControl SoundControl1;
    ui::Timer Timer2;
    ui::Timer Timer3;
    ui::ImageList ImageList2{32, 32}; // before the tray icon, which shows its pictures
    controls::TTrayIcon TrayIcon1;

    // Commands the window's own code runs or changes (Form1Actions.cpp
    // holds the whole list).
    ui::Action& Open;
    ui::Action& CloseFile;
    ui::Action& Play;
    ui::Action& Pause;
    ui::Action& Stop;
    ui::Action& ShowDir;
    ui::Action& ShowLibruary;
    ui::Action& FrameBack;
    ui::Action& FrameForward;
    ui::Action& K1;
    ui::Action& K2;
    ui::Action& K3;
    ui::Action& FileName;
    ui::Action& Frame;
    ui::Action& TrayIcon;
    ui::Action& TrayAnimation;
    ui::Action& Intro;
    ui::Action& EscFull;
    ui::Action& EscapeFullscreen;
    ui::Action& SaveShowLibrary;
    ui::Action& ClassicMenu;
    ui::Action& OnTop;

    // The settings dialog, created after the window and kept for the run.
    std::unique_ptr<settings::TForm2> Form2;

    void FormCreate();
    void FormShow();
    void FormClose();
    void AppCloseExecute() { Close(); }
    // Follows the view panel's size: the progress bar and the frame label.
    void Panel3Resize();

    // Movies in and out (Form1Movies.cpp).
    void OpenExecute();
    void FileListBox1DblClick();
    void PlayExecute();
    void IntroExecute();
    void CloseFileExecute();
    void FileNameExecute();
    // Whether the player holds a movie of the user's (not the intro, not
    // the blank view).
    bool UserMovieLoaded() const;

    // Transport, progress and quality (Form1Transport.cpp).
    void BitBtn4Click();
    void BitBtn6Click();
    void PauseExecute();
    void BitBtn3Click();
    void StopExecute();
    void BitBtn2Click();
    void BitBtn5Click();
    void FrameBackExecute();
    void FrameForwardExecute();
    void Timer1Timer();
    void FrameExecute();
    void K1Execute();
    void K2Execute();
    void K3Execute();

    // Menus, toolbar and window commands (Form1Menus.cpp).
    void ToolButton6Click();
    void ClassicMenuExecute();
    void OnTopExecute();
    // Finds an entry of any of the window's menus by name.
    ui::MenuItem& MenuEntry(const wchar_t* name);

    // Full screen (Form1FullScreen.cpp).
    void EscFullExecute();
    void EscapeFullscreenExecute();
    void SaveShowLibraryExecute();

    // The colour behind the movie (Form1Colours.cpp).
    void FonColorExecute();
    void ColorPicker1Change();
    void Button2Click();

    // Volume and mute (Form1Volume.cpp).
    void SpeedButton2MouseDown();
    void SpeedButton2MouseUp();
    void SpeedButton3MouseDown();
    void SpeedButton3MouseUp();
    void Timer2Timer();
    void Timer3Timer();
    void SpeedButton1Click();
    void SpeedButton4Click();

    // The notification-area icon (Form1Tray.cpp).
    void TrayIconExecute();
    void TrayAnimationExecute();

    // Settings file, settings dialog, association and About box
    // (Form1Settings.cpp).
    void ReadSettings();
    void WriteSettings();
    // The options as the window's writer stores them.
    settings::TSettingsRecord StoredSettings() const;
    std::wstring SettingsFile() const { return settingsFolder_ + settings::SettingsFileName; }
    void RegistExecute();
    void ToolsExecute();
    void AboutExecute();

    // The folder and file panel (Form1FolderPanel.cpp).
    void ShellTree1Change();
    void ShowLibruaryExecute();
    void Button3Click();
    void Button4Click();
    void ShowDirExecute();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // The sound card's own top level on the volume control's 0..255 scale.
    static constexpr int kFullVolume = 252;

    static ui::WindowBuilder BuildControls(TForm1& form);
    static ui::ActionList MakeActionList();
    static ui::Action& Command(const ui::ActionList& list, const wchar_t* name);
    void BindCommands();
    void SetDesignProperties();
    void SetUpBars();
    void BindEvents();
    void BuildMenus();
    void BuildToolBar();
    void EnterFullScreen();
    void LeaveFullScreen();

    // Steps the load paths share.
    void FollowPath(const std::wstring& path);
    void SetProgressRange();
    void ShowPlayingLook();
    void ShowHaltedLook();
    void StopTrayAnimation();
    void SetUpVolume();
    void SetVolumeAtStart();
    void SetUpTray();
    void StepAndHalt(void (playback::TShockwaveFlash::*step)());
    void StepButton(void (playback::TShockwaveFlash::*step)());
    void ChooseQuality(const wchar_t* quality, ui::Action& chosen);
    void ApplySettings(const settings::TReadSettings& read);
    void CreateSettingsDialog();

    std::wstring commandLine_;
    std::wstring settingsFolder_;
    std::unique_ptr<settings::TRegistryWriter> registry_;
    std::wstring programFile_;
};

} // namespace app
