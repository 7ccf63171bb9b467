// Draws the program's pictures and writes them into the folder named on
// the command line: the window's and the .swf files' icons and the picture
// strips the program embeds. With --sheet PATH it also writes a contact
// sheet of them all, enlarged, for review.
#include "ContactSheet.h"
#include "IconFile.h"
#include "ProgramPictures.h"
#include "WindowPictures.h"
#include "resources/PictureStrip.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string_view>

namespace {

using genpictures::Picture;

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::filesystem::remove(path);
        throw std::runtime_error("cannot write " + path.string());
    }
}

resources::PictureStrip Strip(const std::vector<Picture>& pictures, const resources::StripLayout& layout) {
    resources::PictureStrip strip{layout.Size, static_cast<int>(pictures.size()), {}};
    for (const Picture& picture : pictures)
        strip.Pixels.insert(strip.Pixels.end(), picture.Pixels.begin(), picture.Pixels.end());
    return strip;
}

int Run(const std::filesystem::path& folder, const std::filesystem::path& sheet) {
    using namespace genpictures;
    auto toolbar = DrawAll(ToolbarSketches(), 32, resources::ToolbarStrip.Size);
    auto tray = DrawAll(TraySketches(), 32, resources::TrayStrip.Size);
    auto glyphs = DrawAll(GlyphSketches(), 16, resources::GlyphStrip.Size);
    auto windowIcon = DrawIcon(WindowIconSketch);
    auto fileIcon = DrawIcon(FileIconSketch);
    std::filesystem::create_directories(folder);
    WriteFile(folder / resources::ToolbarStrip.FileName,
              EncodeStrip(Strip(toolbar, resources::ToolbarStrip)));
    WriteFile(folder / resources::TrayStrip.FileName, EncodeStrip(Strip(tray, resources::TrayStrip)));
    WriteFile(folder / resources::GlyphStrip.FileName, EncodeStrip(Strip(glyphs, resources::GlyphStrip)));
    WriteFile(folder / "KorvalenFlashPlayer.ico", EncodeIcon(windowIcon));
    WriteFile(folder / "swf_files.ico", EncodeIcon(fileIcon));
    // The settings dialog's and the About box's pictures.
    WriteFile(folder / "GeneralPage.ico", EncodeIcon(DrawIcon(GeneralPageSketch)));
    WriteFile(folder / "ViewPage.ico", EncodeIcon(DrawIcon(ViewPageSketch)));
    WriteFile(folder / "GeneralBanner.jpg", EncodeJpeg(DrawBanner(tones::Blue), 90));
    WriteFile(folder / "ViewBanner.jpg", EncodeJpeg(DrawBanner(tones::Green), 90));
    WriteFile(folder / "AboutPicture.jpg", EncodeJpeg(DrawAboutPicture(), 90));
    if (!sheet.empty()) {
        std::vector<std::vector<Picture>> rows{toolbar, tray, glyphs, windowIcon, fileIcon};
        tools::WritePng(sheet, ContactSheet(rows, 1, ReviewBackdrops));
        // Enlarged, at most seven to a row, so that the sheet stays small
        // enough to view whole.
        std::vector<std::vector<Picture>> shortRows;
        for (const auto& row : rows)
            for (size_t i = 0; i < row.size(); i += 7)
                shortRows.emplace_back(row.begin() + static_cast<std::ptrdiff_t>(i),
                                       row.begin() +
                                           static_cast<std::ptrdiff_t>(std::min(row.size(), i + 7)));
        auto big = sheet;
        tools::WritePng(big.replace_extension(".x4.png"),
                        ContactSheet(shortRows, 4, std::span(ReviewBackdrops).subspan(1, 1)));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    bool withSheet = argc == 4 && std::string_view(argv[2]) == "--sheet";
    if (argc != 2 && !withSheet) {
        std::cerr << "usage: genpictures OUTPUT_FOLDER [--sheet PNG]\n";
        return 2;
    }
    try {
        return Run(argv[1], withSheet ? argv[3] : "");
    } catch (const std::exception& e) {
        std::cerr << "genpictures: " << e.what() << "\n";
        return 1;
    }
}
