// Win32Printer on real device contexts: an enhanced metafile records what a
// print job draws, and a real printer, when one is installed, takes a job.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "jukebox/playback/Win32PrintService.h"
#include "jukebox/playback/Win32Printer.h"

namespace brambletune {
namespace {

struct DrawnText {
    std::string text;
    POINTL at;
    RECTL clip;
    DWORD options;
};

// What a metafile holds, read back record by record.
struct Recording {
    std::vector<DrawnText> texts;
    std::vector<POINTL> lineEnds;
    std::vector<LOGFONTW> fonts;
    int pageStarts = 0;
};

std::string Narrow(const WCHAR* chars, DWORD count) {
    std::string text;
    for (DWORD i = 0; i < count; ++i) text += static_cast<char>(chars[i]);
    return text;
}

int CALLBACK Record(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    auto& out = *reinterpret_cast<Recording*>(data);
    const auto* bytes = reinterpret_cast<const BYTE*>(record);
    switch (record->iType) {
    case EMR_EXTTEXTOUTW: {
        const auto& text = reinterpret_cast<const EMREXTTEXTOUTW*>(record)->emrtext;
        const auto* chars = reinterpret_cast<const WCHAR*>(bytes + text.offString);
        out.texts.push_back(
            {Narrow(chars, text.nChars), text.ptlReference, text.rcl, text.fOptions});
        break;
    }
    case EMR_EXTTEXTOUTA: {
        const auto& text = reinterpret_cast<const EMREXTTEXTOUTA*>(record)->emrtext;
        const auto* chars = reinterpret_cast<const char*>(bytes + text.offString);
        out.texts.push_back(
            {std::string(chars, text.nChars), text.ptlReference, text.rcl, text.fOptions});
        break;
    }
    case EMR_LINETO: out.lineEnds.push_back(reinterpret_cast<const EMRLINETO*>(record)->ptl); break;
    case EMR_EXTCREATEFONTINDIRECTW:
        out.fonts.push_back(
            reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record)->elfw.elfLogFont);
        break;
    default: break;
    }
    return 1;
}

Recording ReadBack(HENHMETAFILE metafile) {
    Recording recording;
    EnumEnhMetaFile(nullptr, metafile, Record, &recording, nullptr);
    return recording;
}

// The name of an installed printer, or "" when there is none.
std::string InstalledPrinter() {
    DWORD needed = 0;
    DWORD count = 0;
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    EnumPrintersA(flags, nullptr, 4, nullptr, 0, &needed, &count);
    if (needed == 0) return "";
    std::vector<BYTE> buffer(needed);
    if (!EnumPrintersA(flags, nullptr, 4, buffer.data(), needed, &needed, &count) || count == 0)
        return "";
    return reinterpret_cast<const PRINTER_INFO_4A*>(buffer.data())->pPrinterName;
}

void PrintSample(Printer& printer) {
    printer.SetFont({"Arial", ANSI_CHARSET, 12, 700, true, true});
    const std::int32_t u = printer.Width() / 100;
    const std::int32_t line = printer.LineHeight();
    printer.Text(0, 0, "Title", 40 * u);
    printer.Text(40 * u, 0, "Artist", 25 * u);
    printer.HorizontalLine(line);
    printer.SetFont({"Arial", ANSI_CHARSET, 10, 400, false, false});
    printer.Text(0, 2 * line, "A song whose title is far wider than its column", 40 * u);
    printer.Text(40 * u, 2 * line, "", 25 * u);
    printer.NewPage();
    printer.Text(0, 0, "Second page", 40 * u);
}

TEST(PrinterTest, MetafileRecordsTextsClippedToTheirColumnsLinesAndFonts) {
    std::printf("Printing on an enhanced metafile device context.\n");
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    std::int32_t width = 0;
    std::int32_t line = 0;
    bool started = true;
    bool failed = true;
    {
        Win32Printer printer(dc, Win32Printer::DcOwnership::Borrow);
        PrintSample(printer);
        width = printer.Width();
        line = printer.LineHeight();
        started = printer.Started();
        failed = printer.Failed();
    }
    HENHMETAFILE metafile = CloseEnhMetaFile(dc);
    ASSERT_NE(metafile, nullptr);
    const Recording recording = ReadBack(metafile);
    DeleteEnhMetaFile(metafile);

    EXPECT_FALSE(started) << "a metafile DC takes no document, so no pages either";
    EXPECT_FALSE(failed);
    EXPECT_GT(line, 0);
    const std::int32_t u = width / 100;
    ASSERT_EQ(recording.texts.size(), 4u);
    EXPECT_EQ(recording.texts[0].text, "Title");
    EXPECT_EQ(recording.texts[1].text, "Artist");
    EXPECT_EQ(recording.texts[1].at.x, 40 * u);
    EXPECT_EQ(recording.texts[2].text, "A song whose title is far wider than its column");
    EXPECT_EQ(recording.texts[3].text, "Second page");
    const DrawnText& long_ = recording.texts[2];
    EXPECT_NE(long_.options & ETO_CLIPPED, 0u);
    EXPECT_EQ(long_.clip.left, 0);
    EXPECT_EQ(long_.clip.right, 40 * u);
    EXPECT_EQ(long_.clip.top, long_.at.y);
    EXPECT_EQ(long_.clip.bottom - long_.clip.top, line);

    ASSERT_EQ(recording.lineEnds.size(), 1u);
    EXPECT_EQ(recording.lineEnds[0].x, width);

    ASSERT_EQ(recording.fonts.size(), 2u);
    const LOGFONTW& heading = recording.fonts[0];
    EXPECT_EQ(heading.lfHeight, -static_cast<LONG>(std::nearbyint(12.0 * dpi / 72)));
    EXPECT_EQ(heading.lfWeight, 700);
    EXPECT_TRUE(heading.lfItalic);
    EXPECT_TRUE(heading.lfUnderline);
    EXPECT_EQ(Narrow(heading.lfFaceName, 5), "Arial");
    EXPECT_EQ(recording.fonts[1].lfWeight, 400);
    EXPECT_FALSE(recording.fonts[1].lfItalic);
}

TEST(PrinterTest, InstalledPrinterTakesAJob) {
    const std::string name = InstalledPrinter();
    if (name.empty()) GTEST_SKIP() << "No printer is installed.";
    std::printf("Printing on the printer \"%s\".\n", name.c_str());
    HDC dc = CreateDCA("WINSPOOL", name.c_str(), nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    Win32Printer printer(dc, Win32Printer::DcOwnership::Take);
    ASSERT_TRUE(printer.Started());
    PrintSample(printer);
    EXPECT_GT(printer.Width(), 0);
    EXPECT_GT(printer.Height(), 0);
    EXPECT_FALSE(printer.Failed());
}

TEST(PrintServiceTest, WithoutAPrinterTheDialogSaysSo) {
    if (!InstalledPrinter().empty())
        GTEST_SKIP() << "A printer is installed; the dialog would wait for a user.";
    Win32PrintService service;
    bool selectedOnly = true;
    std::string error;
    EXPECT_EQ(service.ChoosePrinter(selectedOnly, error), nullptr);
    EXPECT_EQ(error, "No printer is installed.");
    EXPECT_FALSE(selectedOnly);
}

}  // namespace
}  // namespace brambletune
