#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

// The options "tls.dat" holds, one to a line, in file order. Text is in the
// system's ANSI code page, as the file stores it.
struct TSettingsRecord {
    std::string Folder;         // 1: the folder tree's selection
    bool ProgramMode = false;   // 2: "Programm" / "User"
    bool ShowDir = false;       // 3: folder tree at start
    bool ShowLibruary = false;  // 4: playlist panel at start
    bool MainMenu = true;       // 5: menu bar
    int32_t Background = 0;     // 6: the player's background value
    bool Regist = false;        // 7: .swf association
    bool TrayIcon = false;      // 8
    bool TrayAnimation = false; // 9
    bool Intro = false;         // 10
    bool StayOnTop = false;     // 11
    bool FormState = false;     // 12

    friend bool operator==(const TSettingsRecord&, const TSettingsRecord&) = default;
};

// What a file read gives: every line's option, and whether line 6 held a
// number. A bad line 6 costs only the colour: its text is kept for the
// message and the other lines are read all the same.
struct TReadSettings {
    TSettingsRecord Values;
    bool BackgroundValid = true;
    std::string BackgroundLine;
};

// Splits file bytes into lines: LF ends a line, every CR is dropped (before
// an LF it is the line end's, elsewhere it is noise), and text after the
// last LF is a line of its own.
std::vector<std::string> SplitLines(std::string_view bytes);

// Reads the twelve lines; missing lines read as empty, lines after the
// twelfth are ignored. A flag is on only when its line equals the positive
// token byte for byte.
TReadSettings ParseSettings(std::string_view bytes);

// The file's text: twelve lines, each ended by CR LF.
std::string FormatSettings(const TSettingsRecord& record);

// The integer rule of line 6: leading blanks, an optional sign, then
// decimal digits in the 32-bit signed range, or hexadecimal digits after
// "$", "x" or "0x" (either case) using up to 32 bits; nothing may follow.
std::optional<int32_t> ParseInteger(std::string_view text);

} // namespace settings
