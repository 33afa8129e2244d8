#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "monitor/mail/MailErrors.h"
#include "monitor/mail/QuotedPrintable.h"

namespace vigilon {
namespace {

std::vector<std::string> Strings(const std::vector<std::string_view>& views) {
    return std::vector<std::string>(views.begin(), views.end());
}

using Lines = std::vector<std::string>;

TEST(Paragraphs, EveryKindOfLineEndCountsOnce) {
    EXPECT_EQ(Strings(SplitParagraphs("a\r\nb\nc\rd\n\re")), (Lines{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(Strings(SplitParagraphs("a\r\n\r\nb")), (Lines{"a", "", "b"}));
    EXPECT_EQ(Strings(SplitParagraphs("a\n\nb\r\rc")), (Lines{"a", "", "b", "", "c"}));
    EXPECT_EQ(Strings(SplitParagraphs("a\r\n")), (Lines{"a", ""}));
    EXPECT_EQ(Strings(SplitParagraphs("")), (Lines{""}));
}

TEST(Segments, ShortParagraphsStayWhole) {
    EXPECT_EQ(Strings(SplitSegments("")), (Lines{""}));
    EXPECT_EQ(Strings(SplitSegments(std::string(64, 'x'))), (Lines{std::string(64, 'x')}));
}

TEST(Segments, CutJustBeforeTheLastSpaceWithin66Characters) {
    const std::string words =
        std::string(40, 'a') + " " + std::string(24, 'b') + " " + std::string(10, 'c');
    // The 66th character is a space: the first segment is 65 characters.
    EXPECT_EQ(Strings(SplitSegments(words)), (Lines{words.substr(0, 65), words.substr(65)}));
    const std::string earlier = std::string(40, 'a') + " " + std::string(30, 'b');
    EXPECT_EQ(Strings(SplitSegments(earlier)),
              (Lines{std::string(40, 'a'), " " + std::string(30, 'b')}));
}

TEST(Segments, WithoutSpaceCutAfter65Characters) {
    const std::string text = std::string(130, 'x') + "yz";
    EXPECT_EQ(Strings(SplitSegments(text)),
              (Lines{std::string(65, 'x'), std::string(65, 'x'), "yz"}));
    // A space as the very first character does not count.
    const std::string leading = " " + std::string(70, 'x');
    EXPECT_EQ(Strings(SplitSegments(leading)), (Lines{leading.substr(0, 65), leading.substr(65)}));
}

TEST(Segments, Exactly65CharactersWithoutSpaceEndWithAnEmptySegment) {
    EXPECT_EQ(Strings(SplitSegments(std::string(65, 'x'))), (Lines{std::string(65, 'x'), ""}));
    const std::string spaced = std::string(30, 'x') + " " + std::string(34, 'y');
    EXPECT_EQ(Strings(SplitSegments(spaced)),
              (Lines{std::string(30, 'x'), " " + std::string(34, 'y')}));
}

TEST(QuotedPrintable, EscapesControlEqualsAndHighCharacters) {
    EXPECT_EQ(QuotedPrintableLines("a=b\tc\x7f\x80\xff\x01 d~"),
              (Lines{"a=3Db=09c\x7f=80=FF=01 d~"}));
}

std::string Escaped(int count) {
    std::string s;
    for (int i = 0; i < count; ++i) s += "=3D";
    return s;
}

// Escapes count against the 76 characters of a line: 25 of them and a soft break fill one.
TEST(QuotedPrintable, SoftBreaksOnAllButTheLastSegmentAndNoLineOver76) {
    EXPECT_EQ(QuotedPrintableLines(std::string(65, '=') + "\r\nok"),
              (Lines{Escaped(25) + "=", Escaped(25) + "=", Escaped(15), "ok"}));
    EXPECT_EQ(QuotedPrintableLines("x" + std::string(25, '=')), (Lines{"x" + Escaped(25)}));
}

TEST(QuotedPrintable, TrailingSpaceOfAParagraphIsEscaped) {
    EXPECT_EQ(QuotedPrintableLines("a  \r\n b"), (Lines{"a =20", " b"}));
}

TEST(QuotedPrintable, ParagraphLimit) {
    EXPECT_EQ(QuotedPrintableLines(std::string(24575, 'x')).size(), 24575u / 65 + 1);
    try {
        QuotedPrintableLines("short\r\n" + std::string(24576, 'x'));
        FAIL() << "no error";
    } catch (const EMessageError& error) {
        EXPECT_STREQ(error.what(), "Paragraph is too large");
    }
}

// Decodes quoted-printable the way a mail reader does: "=XX" is a byte, a
// final "=" joins the next line, and lines are otherwise separated by CR LF.
std::string Decode(const Lines& lines) {
    std::string text;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        bool joined = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] != '=') {
                text += line[i];
                continue;
            }
            if (i + 1 == line.size()) {
                joined = true;
                break;
            }
            text += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
            i += 2;
        }
        if (!joined && n + 1 < lines.size()) text += "\r\n";
    }
    return text;
}

std::string NormalizeLineEnds(const std::string& text) {
    std::string out;
    bool first = true;
    for (std::string_view paragraph : SplitParagraphs(text)) {
        if (!first) out += "\r\n";
        first = false;
        out += paragraph;
    }
    return out;
}

TEST(QuotedPrintable, RandomTextsDecodeToThemselves) {
    std::mt19937 random(20261207);
    const std::string alphabet = std::string("ab =.\t\r\n\x80\xff") + '\0';
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const int length = std::uniform_int_distribution<int>(0, 400)(random);
        for (int i = 0; i < length; ++i) {
            const bool common = std::uniform_int_distribution<int>(0, 3)(random) > 0;
            text += common ? 'a' + std::uniform_int_distribution<int>(0, 25)(random)
                           : alphabet[std::uniform_int_distribution<std::size_t>(
                                 0, alphabet.size() - 1)(random)];
        }
        const Lines lines = QuotedPrintableLines(text);
        for (const std::string& line : lines) {
            for (unsigned char c : line) ASSERT_TRUE(c >= 32 && c < 128) << "round " << round;
            ASSERT_TRUE(line.empty() || line.back() != ' ') << "round " << round;
            ASSERT_LE(line.size(), kMaxEncodedLineLength) << "round " << round;
        }
        ASSERT_EQ(Decode(lines), NormalizeLineEnds(text)) << "round " << round;
    }
}

}  // namespace
}  // namespace vigilon
