#pragma once

#include "controls/ColorPicker.h"
#include "playback/ShockwaveFlash.h"
#include "settings/PageTree.h"
#include "settings/SettingsText.h"
#include "ui/Action.h"
#include "ui/Bevel.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"
#include "ui/Shape.h"
#include "ui/WindowDescription.h"

#include <functional>
#include <string>

namespace settings {

// What the dialog works on: the main window's commands and player, and the
// main window's options as its own writer would store them (the dialog
// replaces the lines it keeps itself).
struct TForm2Link {
    ui::Form& MainWindow;
    const ui::ActionList& Actions;
    playback::TShockwaveFlash& Player;
    std::function<TSettingsRecord()> MainSettings;
    std::wstring SettingsFile;
};

// The settings dialog: start options, the .swf association flag, the tray
// icon, the intro, stay-on-top and the default background colour. Its check
// boxes change the main window's commands the moment they are clicked; OK
// and Apply write the settings file and make the main window follow.
class TForm2 : public ui::Form {
    ui::WindowBuilder builder_;

public:
    explicit TForm2(TForm2Link link);

    TPageTree& TreeView1;
    ui::PageControl& PageControl1;
    ui::CheckBox& CheckBox4;
    ui::CheckBox& CheckBox9;
    ui::CheckBox& CheckBox5;
    ui::CheckBox& CheckBox2;
    ui::CheckBox& CheckBox1;
    ui::CheckBox& CheckBox6;
    ui::CheckBox& CheckBox7;
    ui::CheckBox& CheckBox8;
    ui::CheckBox& CheckBox3;
    ui::Shape& Shape1;
    ui::Button& Button4;
    ui::Panel& Panel2;
    controls::TColorPicker& ColorPicker2;
    ui::Button& Button1;
    ui::Button& Button2;
    ui::Button& Button3;

    void FormShow();
    void TreeView1Change();
    void CheckBox5Click();
    void Button4Click();
    void ColorPicker2Change();
    void Button1Click();
    void Button2Click();
    void Button3Click() { Close(); }

    // The dialog's writer: lines 1, 5 and 6 as the main window has them,
    // the rest from the check boxes.
    void WriteSettings();

private:
    static ui::WindowBuilder BuildControls(TForm2& form);
    void SetDesignProperties();
    void LoadPictures();
    void BindEvents();
    void FillTree();
    void PlaceFirstTime();
    ui::Action& MainAction(const wchar_t* name) const;
    void ExecuteMain(std::initializer_list<const wchar_t*> names) const;
    void ApplyColour();

    TForm2Link link_;
    bool placed_ = false;
};

} // namespace settings
