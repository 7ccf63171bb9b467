#include "TestWindows.h"
#include "app/Form1.h"

#include <gtest/gtest.h>

namespace {

using ui::Bounds;

struct ShownMainWindow {
    app::TForm1 Form{L"KorvalenFlashPlayer.exe"};
    ShownMainWindow() {
        Form.ShowMain();
        testing_support::PumpMessagesFor(50);
    }
    HWND Window() { return Form.Handle(); }
};

TEST(MainWindowLayout, ControlsSitWhereTheWindowIsDesignedToHaveThem) {
    ShownMainWindow w;
    auto& f = w.Form;
    wchar_t caption[64];
    GetWindowTextW(w.Window(), caption, 64);
    EXPECT_STREQ(caption, L"KorvalenFlashPlayer");
    EXPECT_EQ(f.ClientWidth(), 643);
    EXPECT_EQ(f.ClientHeight(), 452);

    EXPECT_EQ(f.ToolBar1.GetBounds(), (Bounds{0, 0, 643, 48}));
    EXPECT_EQ(f.Splitter3.GetBounds(), (Bounds{0, 48, 643, 3}));
    EXPECT_EQ(f.Panel2.GetBounds(), (Bounds{0, 380, 643, 72}));
    EXPECT_EQ(f.Panel1.GetBounds(), (Bounds{468, 51, 175, 329}));
    EXPECT_EQ(f.Splitter1.GetBounds(), (Bounds{465, 51, 3, 329}));
    EXPECT_EQ(f.Panel3.GetBounds(), (Bounds{0, 51, 465, 329}));
    EXPECT_EQ(f.ShockwaveFlash1.GetBounds(), (Bounds{0, 0, 465, 329}));
    EXPECT_EQ(f.ShellTree1.GetBounds(), (Bounds{0, 0, 175, 105}));
    EXPECT_EQ(f.Splitter2.GetBounds(), (Bounds{0, 105, 175, 2}));
    EXPECT_EQ(f.FileListBox1.GetBounds(), (Bounds{0, 107, 175, 222}));

    // The real windows agree with the bookkeeping.
    RECT r;
    GetWindowRect(f.Panel3.Handle(), &r);
    MapWindowPoints(nullptr, w.Window(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 51);
    EXPECT_EQ(r.right, 465);
    EXPECT_EQ(r.bottom, 380);

    EXPECT_EQ(f.MediaProgressBar1.GetBounds(), (Bounds{8, 23, 452, 5}));
    // The creation handler puts the frame label flush with the view's edge;
    // only the layout runs after it leave 6 pixels.
    EXPECT_EQ(f.Label2.Left(), 465 - f.Label2.Width());
    EXPECT_EQ(f.Label1.Caption(), L"KorvalenFlashPlayer 0.8");
    EXPECT_EQ(f.BitBtn4.GetBounds(), f.BitBtn6.GetBounds());
    EXPECT_TRUE(f.BitBtn4.Visible());
    EXPECT_FALSE(f.BitBtn6.Visible());
    EXPECT_FALSE(IsWindowVisible(f.BitBtn6.Handle()));
    EXPECT_TRUE(f.SpeedButton1.Visible());
    EXPECT_FALSE(f.SpeedButton4.Visible());
    EXPECT_FALSE(f.Panel4.Visible());
    for (ui::Edit* edit : {&f.Edit1, &f.Edit3, &f.Edit4, &f.Edit5, &f.Edit6})
        EXPECT_FALSE(IsWindowVisible(edit->Handle()));
    // Transport buttons never take the focus by tabbing.
    EXPECT_FALSE(GetWindowLongW(f.BitBtn2.Handle(), GWL_STYLE) & WS_TABSTOP);
}

TEST(MainWindowLayout, MinimumWidthGivesA331PixelView) {
    ShownMainWindow w;
    auto& f = w.Form;
    MINMAXINFO info{};
    SendMessageW(w.Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    f.SetBounds({f.Left(), f.Top(), static_cast<int>(info.ptMinTrackSize.x),
                 static_cast<int>(info.ptMinTrackSize.y)});
    EXPECT_EQ(f.ClientWidth(), 517 - 8);
    EXPECT_EQ(f.ClientHeight(), 323 - 46);
    EXPECT_EQ(f.Panel3.Width(), 331);
    EXPECT_EQ(f.MediaProgressBar1.Width(), 318);
    EXPECT_EQ(f.Label2.Left(), 331 - f.Label2.Width() - 6);
    // The volume controls keep their places.
    EXPECT_EQ(f.MediaProgressBar2.GetBounds(), (Bounds{321, 33, 183, 3}));
    EXPECT_EQ(f.SpeedButton3.GetBounds(), (Bounds{436, 42, 68, 21}));
}

TEST(MainWindowLayout, HidingTheFilePanelWidensTheViewBy178Pixels) {
    ShownMainWindow w;
    auto& f = w.Form;
    int view = f.Panel3.Width(), bar = f.MediaProgressBar1.Width();
    f.Panel1.Hide();
    f.Splitter1.Hide();
    EXPECT_EQ(f.Panel3.Width(), view + 178);
    EXPECT_EQ(f.Panel3.Width(), f.ClientWidth());
    EXPECT_EQ(f.MediaProgressBar1.Width(), bar + 178);
    EXPECT_EQ(f.Label2.Left(), f.Panel3.Width() - f.Label2.Width() - 6);

    // Shown again, the splitter goes back to the left of the panel.
    f.Panel1.Show();
    f.Splitter1.Show();
    EXPECT_EQ(f.Panel3.Width(), view);
    EXPECT_EQ(f.Splitter1.Left(), f.Panel1.Left() - 3);
}

TEST(MainWindowLayout, ResizingGivesThePlayerTheKeyboardFocus) {
    ShownMainWindow w;
    auto& f = w.Form;
    SetFocus(f.Edit1.Handle());
    f.SetBounds({f.Left(), f.Top(), f.Width() + 40, f.Height() + 10});
    EXPECT_EQ(GetFocus(), f.ShockwaveFlash1.Handle());
    EXPECT_EQ(f.MediaProgressBar1.Width(), f.Panel3.Width() - 13);
}

TEST(MainWindowLayout, DraggingTheSplitterResizesTheFilePanel) {
    ShownMainWindow w;
    auto& f = w.Form;
    HWND splitter = f.Splitter1.Handle();
    auto drag = [&](int dx) {
        SendMessageW(splitter, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 10));
        SendMessageW(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1 + dx, 10));
        SendMessageW(splitter, WM_LBUTTONUP, 0, MAKELPARAM(1 + dx, 10));
    };
    drag(-40);
    EXPECT_EQ(f.Panel1.Width(), 215);
    EXPECT_EQ(f.Panel3.Width(), 425);
    EXPECT_EQ(f.MediaProgressBar1.Width(), 412);
    drag(1000); // the panel keeps its minimum
    EXPECT_EQ(f.Panel1.Width(), 30);
    drag(-5000); // and so does the view
    EXPECT_EQ(f.Panel3.Width(), 30);
}

} // namespace
