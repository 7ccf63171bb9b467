// The icon in the notification area: shown while its option is on, its
// frames running while a movie of the user's plays and that option is on.
#include "app/Form1.h"

#include "resources/ProgramPictures.h"
#include "ui/Application.h"

namespace app {
namespace {

constexpr unsigned kFrameDelay = 30; // ms between frames

} // namespace

void TForm1::SetUpTray() {
    // Without its frames the icon still shows, as the program's icon.
    ui::App().Guard([this] { resources::LoadTrayImages(ImageList2); });
    TrayIcon1.SetIcon(resources::LoadProgramIcon(32));
    TrayIcon1.SetIcons(&ImageList2);
    TrayIcon1.SetIconIndex(0);
    TrayIcon1.SetDelay(kFrameDelay);
    // Minimising while the icon is there takes the window off the taskbar;
    // the icon has no menu, so a click on it is the only way back.
    TrayIcon1.Visibility.Include(controls::TTrayVisibility::tvRestoreClick);
    TrayIcon1.Visibility.Include(controls::TTrayVisibility::tvRestoreDbClick);
}

void TForm1::TrayIconExecute() { TrayIcon1.SetActive(TrayIcon.Checked()); }

void TForm1::TrayAnimationExecute() {
    TrayIcon1.SetAnimated(TrayAnimation.Checked() && !ShockwaveFlash1.Movie().empty() && UserMovieLoaded());
}

// The frame shown stays, and the next start continues from it.
void TForm1::StopTrayAnimation() { TrayIcon1.SetAnimated(false); }

} // namespace app
