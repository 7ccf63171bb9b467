// The wave-output volume: a bar, two press-and-hold buttons that step it by
// 2 and a mute button. The device is the only store of the level; the mute
// state is which of the two mute buttons shows, and the level from before
// the mute waits in the hidden edit.
#include "app/Form1.h"

#include <algorithm>
#include <cwchar>

namespace app {
namespace {

constexpr UINT kStepInterval = 30; // ms between steps while a button is held
constexpr int kStep = 2;

// The hidden edit holds only what muting wrote; anything else counts as
// silence rather than as an error the user could not act on.
int StoredLevel(const std::wstring& text) {
    wchar_t* end = nullptr;
    long level = std::wcstol(text.c_str(), &end, 10);
    if (text.empty() || *end != L'\0')
        return 0;
    return static_cast<int>(std::clamp(level, 0L, 255L));
}

} // namespace

void TForm1::SetUpVolume() {
    Timer2.SetInterval(kStepInterval);
    Timer3.SetInterval(kStepInterval);
    Timer2.OnTimer = [this] { Timer2Timer(); };
    Timer3.OnTimer = [this] { Timer3Timer(); };
    // Only the left button steps: the button holds the mouse capture while
    // it is down, so its release stops the steps wherever the pointer is.
    SpeedButton2.OnMouseDown = [this] { SpeedButton2MouseDown(); };
    SpeedButton2.OnMouseUp = [this] { SpeedButton2MouseUp(); };
    SpeedButton3.OnMouseDown = [this] { SpeedButton3MouseDown(); };
    SpeedButton3.OnMouseUp = [this] { SpeedButton3MouseUp(); };
    SpeedButton1.OnClick = [this] { SpeedButton1Click(); };
    SpeedButton4.OnClick = [this] { SpeedButton4Click(); };
}

// Centred first: the level written next is split evenly between channels.
void TForm1::SetVolumeAtStart() {
    controls::TSoundValue& wave = SoundControl1.Wave();
    wave.SetBalance(50);
    wave.SetVolume(kFullVolume);
    MediaProgressBar2.SetPosition(wave.Volume());
}

void TForm1::SpeedButton2MouseDown() { Timer2.SetEnabled(true); }
void TForm1::SpeedButton2MouseUp() { Timer2.SetEnabled(false); }
void TForm1::SpeedButton3MouseDown() { Timer3.SetEnabled(true); }
void TForm1::SpeedButton3MouseUp() { Timer3.SetEnabled(false); }

// Also while muted: the device is then at 0 and stays there. The level is
// read afresh each time, so a change by another program shows here.
void TForm1::Timer2Timer() {
    controls::TSoundValue& wave = SoundControl1.Wave();
    if (wave.Volume() != 0)
        wave.SetVolume(std::max(wave.Volume() - kStep, 0));
    MediaProgressBar2.SetPosition(wave.Volume());
}

// Raising the level while muted would unmute behind the user's back.
void TForm1::Timer3Timer() {
    if (SpeedButton4.Visible())
        return;
    controls::TSoundValue& wave = SoundControl1.Wave();
    if (wave.Volume() < kFullVolume)
        wave.SetVolume(wave.Volume() + kStep);
    MediaProgressBar2.SetPosition(wave.Volume());
}

void TForm1::SpeedButton1Click() {
    controls::TSoundValue& wave = SoundControl1.Wave();
    Edit1.SetText(std::to_wstring(wave.Volume()));
    SpeedButton4.Show();
    SpeedButton1.Hide();
    wave.SetVolume(0);
    MediaProgressBar2.SetPosition(0);
}

// The bar shows the level from before the mute, not one read back.
void TForm1::SpeedButton4Click() {
    SpeedButton4.Hide();
    SpeedButton1.Show();
    int level = StoredLevel(Edit1.Text());
    SoundControl1.Wave().SetVolume(level);
    MediaProgressBar2.SetPosition(level);
}

} // namespace app
