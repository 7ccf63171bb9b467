#include "TestWindows.h"
#include "app/Form1.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Rows = std::vector<std::vector<uint32_t>>; // 0xRRGGBB as the screen shows it

// The pixels of `control` as they are on the screen now.
Rows ScreenPixels(ui::WinControl& control) {
    RECT r;
    GetWindowRect(control.Handle(), &r);
    int w = r.right - r.left;
    int h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    Rows rows(static_cast<size_t>(h), std::vector<uint32_t>(static_cast<size_t>(w)));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            COLORREF c = GetPixel(memory, x, y);
            rows[y][x] = GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
        }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return rows;
}

std::vector<uint32_t> Column(const Rows& rows, int x) {
    std::vector<uint32_t> column;
    for (const auto& row : rows)
        column.push_back(row[x]);
    return column;
}

const std::vector<uint32_t> kFiveRows = {0xFFFFFF, 0xEDF4FC, 0xDBEAF9, 0xCADFF6, 0xB8D5F3};
const std::vector<uint32_t> kThreeRows = {0xFFFFFF, 0xE1EDFA, 0xC4DCF5};

} // namespace

TEST(MainWindowBars, TheScreenShowsBothBarsDrawnFromTheEmbeddedBitmapList) {
    app::TForm1 form{L"KorvalenFlashPlayer.exe"};
    form.ShowMain();
    SetWindowPos(form.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    form.MediaProgressBar1.SetMax(100);
    form.MediaProgressBar1.SetPosition(50);
    form.MediaProgressBar2.SetPosition(126);
    testing_support::PumpMessagesFor(100);

    Rows bar1 = ScreenPixels(form.MediaProgressBar1);
    ASSERT_EQ(bar1.size(), 5u);
    int half = form.MediaProgressBar1.Width() / 2;
    // "02.bmp" stretched over the left half: 7 rows ANDed into 5.
    EXPECT_EQ(Column(bar1, 0),
              (std::vector<uint32_t>{0xC7E1FF, 0x7DA9DE, 0x4A7FC2, 0x4A7FC2, 0x498AE6 & 0x4992FF}));
    EXPECT_EQ(bar1[3][half - 1], 0x003E97u);
    EXPECT_EQ(Column(bar1, half), kFiveRows);
    EXPECT_EQ(Column(bar1, form.MediaProgressBar1.Width() - 1), kFiveRows);

    Rows bar2 = ScreenPixels(form.MediaProgressBar2);
    ASSERT_EQ(bar2.size(), 3u);
    EXPECT_EQ(bar2[1][0], 0x4A7FC2u & 0x4A7FC2u);
    EXPECT_EQ(Column(bar2, 92), kThreeRows); // 183 / 2 = 91.5 rounds to 92 filled
    EXPECT_NE(Column(bar2, 91), kThreeRows);
}
