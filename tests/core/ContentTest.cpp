#include "Catalogue.h"
#include "Texts.h"
#include "TextTools.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace zolinar;
using zolinar::testing::characterCount;
using zolinar::testing::splitLines;

namespace {

std::size_t trailingBlanks(std::string_view text)
{
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? text.size() : text.size() - last - 1;
}

bool hasControlCharacterOtherThanLineEnds(std::string_view text)
{
    std::string stripped;
    for (const auto& line : splitLines(text))
        stripped += line;
    return std::any_of(stripped.begin(), stripped.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

} // namespace

TEST(Catalogue, trailingBlanksOfEveryProfessionAreKept)
{
    // Counted independently from the catalogue table, row by row.
    constexpr std::array<std::size_t, catalogueRowCount> expected {
        0, 1, 0, 0, 0, 1, 0, 3, 0, 2, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 0
    };
    for (Row row = 0; row < catalogueRowCount; ++row) {
        const auto& entry = catalogue[static_cast<std::size_t>(row)];
        EXPECT_EQ(trailingBlanks(entry.profession), expected[static_cast<std::size_t>(row)]) << "row " << row;
        EXPECT_EQ(trailingBlanks(entry.object), 0U) << "row " << row;
        EXPECT_NE(entry.object.front(), ' ') << "row " << row;
        EXPECT_NE(entry.profession.front(), ' ') << "row " << row;
    }
}

TEST(Catalogue, crossedPairsStandAsListed)
{
    EXPECT_EQ(catalogue[9].object, "флумастер");
    EXPECT_EQ(catalogue[9].profession, "дизайнер, рекламен специалист  ");
    EXPECT_EQ(catalogue[17].object, "дизайнер");
    EXPECT_EQ(catalogue[17].profession, "флумастер");
    EXPECT_EQ(catalogue[7].profession, "лекар, аптекар   ");
    EXPECT_EQ(catalogue[8].profession, "аптекар");
}

TEST(GuideText, isFortyOneLinesEachEndingInCrLf)
{
    EXPECT_EQ(characterCount(guideText), 1489U);
    EXPECT_TRUE(guideText.ends_with("\r\n"));
    const auto lines = splitLines(guideText);
    ASSERT_EQ(lines.size(), 42U);
    EXPECT_EQ(lines[41], "") << "nothing may follow the last CR LF";
    EXPECT_EQ(lines[9], "") << "line 10 is empty";
    EXPECT_EQ(lines[0], "Съществува обичай: по предмета, избран от проходилото дете, се съди за неговата бъдеща професия.");
    EXPECT_EQ(lines[10], "Следва примерен списък за золинар:");
    EXPECT_EQ(lines[11], "Предмет:Професия");
    EXPECT_FALSE(hasControlCharacterOtherThanLineEnds(guideText));
}

TEST(GuideText, exampleListRepeatsTheCatalogue)
{
    const auto lines = splitLines(guideText);
    ASSERT_EQ(lines.size(), 42U);
    for (Row row = 0; row < catalogueRowCount - 1; ++row) {
        const auto& entry = catalogue[static_cast<std::size_t>(row)];
        EXPECT_EQ(lines[12 + static_cast<std::size_t>(row)], std::string(entry.object) + ":" + std::string(entry.profession))
            << "line " << 13 + row;
    }
    // The last line alone has a blank after the colon.
    EXPECT_EQ(lines[40], "топка: футболист, спортист");
    EXPECT_EQ(std::string(catalogue[28].object) + ":" + std::string(catalogue[28].profession), "топка:футболист, спортист");
}

TEST(QuoteText, isThreeLinesEachEndingInABlank)
{
    EXPECT_EQ(characterCount(quoteText), 118U);
    const auto lines = splitLines(quoteText);
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[3], "");
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(lines[i].ends_with(' ')) << "line " << i + 1;
    EXPECT_EQ(lines[2], "било. ");
    EXPECT_FALSE(hasControlCharacterOtherThanLineEnds(quoteText));
}
