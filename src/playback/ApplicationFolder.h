#pragma once

#include <string>

namespace playback {

// The running executable's folder with its trailing backslash, computed
// afresh on each call: the home of the intro movie and the settings file.
std::wstring ApplicationFolder();

// The intro movie beside the executable.
std::wstring IntroMoviePath();

} // namespace playback
