// The colour behind the movie, picked on the colour panel.
#include "app/Form1.h"

#include "playback/BackgroundColors.h"

namespace app {

void TForm1::FonColorExecute() {
    bool open = !Panel4.Visible();
    ToolBar1.Find(L"ToolButton3")->SetDown(open);
    Panel4.SetVisible(open);
}

// Applied at once. A picker without a colour leaves the view's colour alone.
void TForm1::ColorPicker1Change() {
    ui::TColor color = ColorPicker1.SelectedColor();
    if (color == ui::clNone)
        return;
    ShockwaveFlash1.SetBackgroundColor(static_cast<int>(playback::ColorToBackground(color)));
}

void TForm1::Button2Click() {
    ToolBar1.Find(L"ToolButton3")->SetDown(false);
    Panel4.Hide();
}

} // namespace app
