#pragma once

#include "playback/ShockwaveFlash.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/Splitter.h"
#include "ui/WindowDescription.h"

#include <string>

namespace app {

// The main window: the toolbar, the movie view, the folder and file panel
// and the control panel with transport, progress and volume.
class TForm1 : public ui::Form {
    // First member: the control references below are bound from it.
    ui::WindowBuilder builder_;

public:
    // commandLine is the process's raw command line (program name first).
    explicit TForm1(std::wstring commandLine);

    // Controls, owned by their parents; the layout is in Form1Description.
    ui::Panel& ToolBar1;
    ui::Splitter& Splitter3;
    ui::Panel& Panel1;
    ui::Panel& ShellTree1;
    ui::Splitter& Splitter2;
    ui::Panel& FileListBox1;
    ui::GraphicControl& BackGround3;
    ui::Splitter& Splitter1;
    ui::Panel& Panel2;
    ui::Panel& Panel3;
    playback::TShockwaveFlash& ShockwaveFlash1;
    ui::Panel& Panel4;
    ui::GraphicControl& ColorPicker1;
    ui::Button& Button2;
    ui::GraphicControl& BackGround1;
    ui::GraphicControl& BackGround2;
    ui::Label& Label1;
    ui::Label& Label2;
    ui::Panel& MediaProgressBar1;
    ui::BitBtn& BitBtn1;
    ui::BitBtn& BitBtn2;
    ui::BitBtn& BitBtn3;
    ui::BitBtn& BitBtn4;
    ui::BitBtn& BitBtn6;
    ui::BitBtn& BitBtn5;
    ui::Panel& MediaProgressBar2;
    ui::SpeedButton& SpeedButton1;
    ui::SpeedButton& SpeedButton4;
    ui::SpeedButton& SpeedButton2;
    ui::SpeedButton& SpeedButton3;
    ui::Edit& Edit1;
    ui::Edit& Edit3;
    ui::Edit& Edit4;
    ui::Edit& Edit5;
    ui::Edit& Edit6;

    void FormCreate();
    void FormShow();
    void FormClose();
    void AppCloseExecute() { Close(); }
    // Follows the view panel's size: the progress bar and the frame label.
    void Panel3Resize();

private:
    static ui::WindowBuilder BuildControls(TForm1& form);
    void SetDesignProperties();

    std::wstring commandLine_;
};

} // namespace app
