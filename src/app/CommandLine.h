#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace app {

// Splits a raw command line the way the player has always read it: runs of
// white space separate arguments, double quotes group characters (spaces
// included) and are removed. Backslashes are ordinary characters.
std::vector<std::wstring> SplitCommandLine(std::wstring_view raw);

// The arguments after the program name, joined with single spaces: the path
// of the movie to open at start. Empty when there are no arguments.
std::wstring CommandLinePath(std::wstring_view raw);

// Whether anything follows the program name.
bool HasArguments(std::wstring_view raw);

} // namespace app
