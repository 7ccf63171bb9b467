#include "TestMovies.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

namespace {

std::filesystem::path ProgramPath() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    // build/<preset>/tests/windows/app_tests.exe -> build/<preset>/
    return std::filesystem::path(self).parent_path().parent_path().parent_path() / L"KorvalenFlashPlayer.exe";
}

struct FindWindowOf {
    DWORD ProcessId;
    HWND Found = nullptr;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM lp) {
    auto* search = reinterpret_cast<FindWindowOf*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t caption[64] = L"";
    GetWindowTextW(window, caption, 64);
    if (pid == search->ProcessId && IsWindowVisible(window) && wcscmp(caption, L"KorvalenFlashPlayer") == 0) {
        search->Found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForMainWindow(DWORD processId) {
    for (int i = 0; i < 200; ++i) {
        FindWindowOf search{processId};
        EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
        if (search.Found)
            return search.Found;
        Sleep(50);
    }
    return nullptr;
}

TEST(Program, PlaysAMovieFromTheCommandLineAndExitsCleanlyWhenClosed) {
    testing_support::TempMovie movie(L"program.swf", 10, 20);
    std::wstring commandLine = L"\"" + ProgramPath().wstring() + L"\" " + movie.Path().wstring();
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        << "cannot start " << ProgramPath().string();
    HWND window = WaitForMainWindow(pi.dwProcessId);
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 20000), WAIT_OBJECT_0);
    DWORD exitCode = 1234;
    GetExitCodeProcess(pi.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

} // namespace
