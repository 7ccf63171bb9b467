#pragma once

#include <string>
#include <string_view>

namespace playback {

// What the player control's Movie holds when neither a user movie nor the
// intro is to be shown.
inline constexpr std::wstring_view NoMovieText = L" ";
// The intro's file name, in the program's folder.
inline constexpr std::wstring_view IntroMovieName = L"intro-1.swf";
// The title label when no user movie is loaded.
inline constexpr std::wstring_view IdleTitle = L"KorvalenFlashPlayer 0.8";

// Everything up to and including the last "\" or ":"; empty when there is
// neither.
std::wstring_view FolderOf(std::wstring_view path);

// The title label for a movie path: the name after the folder, less its
// last four characters (the ".swf"); empty for a name of four or fewer.
std::wstring MovieTitle(std::wstring_view movie);

// Whether Movie holds something other than the blank value and the intro;
// an empty Movie counts as loaded.
bool UserMovieLoaded(std::wstring_view movie, std::wstring_view introPath);

// The frame label: current frame, "/", frame count.
std::wstring FrameText(int currentFrame, int totalFrames);

} // namespace playback
