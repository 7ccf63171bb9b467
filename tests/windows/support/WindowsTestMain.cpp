#include "TestWindows.h"

#include "ui/Application.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <objbase.h>

namespace {

// Every test starts with no recorded error boxes.
class ErrorBoxRecorder : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { testing_support::RecordedErrors().clear(); }
};

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    ui::App().SetTitle(L"KorvalenFlashPlayer *08");
    // A modal box would block the run: record instead.
    ui::App().ReplaceErrorBox([](const std::wstring& text, const std::wstring& caption) {
        testing_support::RecordedErrors().push_back({text, caption});
    });
    testing::UnitTest::GetInstance()->listeners().Append(new ErrorBoxRecorder);
    int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
