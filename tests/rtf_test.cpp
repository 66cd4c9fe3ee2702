#include <gtest/gtest.h>

#include "setupctrls/supporter_texts.h"
#include "ui/core/rtf.h"

using namespace ui;

TEST(Rtf, TheHelpTextKeepsItsFontsSizesColoursAndBold) {
    const TRichDocument doc = ReadRtf(setupctrls::HelpText({"NORVEL", "TESSARO", false, false, false}));
    ASSERT_GE(doc.Paragraphs.size(), 10u);
    const TRichRun& title = doc.Paragraphs[0].at(0);
    EXPECT_EQ(title.Text, "NORVEL TESSARO Settings Program");
    EXPECT_TRUE(title.Bold);
    EXPECT_EQ(title.HalfPoints, 32);
    EXPECT_EQ(title.FontName, "Verdana");
    EXPECT_EQ(title.Color, RGB(64, 64, 64));
    EXPECT_TRUE(doc.Paragraphs[1].empty());  // \par\par leaves a blank line
    const TRichParagraph& yellow = doc.Paragraphs[4];
    EXPECT_EQ(yellow.at(0).Text, "Yellow circles");
    EXPECT_EQ(yellow.at(0).Color, RGB(255, 255, 64));
    EXPECT_TRUE(yellow.at(0).Bold);
    EXPECT_EQ(yellow.at(1).Text, " provide information on configuring jumpers and switches.");
    EXPECT_FALSE(yellow.at(1).Bold);
    EXPECT_EQ(yellow.at(1).HalfPoints, 24);
    EXPECT_EQ(yellow.at(1).Color, RGB(64, 64, 64));
    EXPECT_EQ(doc.Paragraphs[6].at(0).Color, RGB(64, 64, 255));
    EXPECT_EQ(doc.Paragraphs[8].at(0).Color, RGB(255, 64, 64));
}

TEST(Rtf, ReadsEscapesSymbolsAndSkipsDestinations) {
    const struct {
        const char* rtf;
        const char* text;
    } cases[] = {
        {R"({\rtf1 caf\'e9 \'93q\'94})", "caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D"},
        {R"({\rtf1 a\emdash b\endash c\tab d})", "a\xE2\x80\x94" "b\xE2\x80\x93" "c\td"},
        {R"({\rtf1 \{braces\} and \\ back})", "{braces} and \\ back"},
        {R"({\rtf1{\*\generator Writer;}{\info{\title x}}kept})", "kept"},
        {R"({\rtf1\uc1 \u8364?\u-4064 ? euro})", "\xE2\x82\xAC\xEF\x80\xA0 euro"},
        {R"({\rtf1 one\par two})", "one\r\ntwo"},
        {"{\\rtf1 unterminated {group", "unterminated group"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadRtf(c.rtf).PlainText(), c.text) << c.rtf;
}

TEST(Rtf, RefusesWhatIsNotRtfOrNestsTooDeeply) {
    EXPECT_THROW(ReadRtf("plain text"), ERtfError);
    EXPECT_THROW(ReadRtf(""), ERtfError);
    EXPECT_THROW(ReadRtf("{\\rtf1 " + std::string(100000, '{')), ERtfError);
    EXPECT_NO_THROW(ReadRtf("{\\rtf1 \\" ));
    EXPECT_NO_THROW(ReadRtf("{\\rtf1 \\'"));
    EXPECT_NO_THROW(ReadRtf("{\\rtf1 \\cf99 colour beyond the table}"));
}
