// The text label's options: what they keep, and when they make the font again.
#include <cstring>
#include <string>
#include "Command.h"
#include "widgets/KW_Wid_Text.h"

namespace {

struct Counting : KW_Wid_Text_Base {
    int fonts = 0;
    void makeFont() override { ++fonts; }
};

TEST(Text, StartsWhiteCentredWithTheTestString) {
    auto* t = make<KW_Wid_Text>("KW_Wid_Text");
    EXPECT_STREQ("test string", t->text.get());
    EXPECT_EQ(0xFFFFFFu, t->colour);
    EXPECT_EQ(0u, t->backColour);
    EXPECT_EQ(0, t->horz);
    EXPECT_EQ(0, t->size);
    EXPECT_TRUE(t->font.empty());
    KW_command("%o -delete", t);
}

TEST(Text, KeepsItsOwnCopiesOfTheTextsItIsGiven) {
    char caption[] = "Cutoff frequency";
    char face[] = "Tahoma";
    auto* t = make<KW_Wid_Text>("KW_Wid_Text -l 10 -t 35 -w 80 -h 16 -color 0x00A57BBD -horz -1 -text %s -font %s",
                                caption, face);
    std::strcpy(caption, "changed");
    std::strcpy(face, "Arial");
    EXPECT_STREQ("Cutoff frequency", t->text.get());
    EXPECT_STREQ("Tahoma", t->font.get());
    EXPECT_EQ(0x00A57BBDu, t->colour);
    EXPECT_EQ(-1, t->horz);
    EXPECT_EQ(0x00A57BBD, ask<int32_t>("KW_Wid_Text %o -color", t));
    KW_command("KW_Wid_Text %o -text Filter", t);  // a word taken from the command text
    EXPECT_STREQ("Filter", t->text.get());
    KW_command("KW_Wid_Text %o -text 12", t);  // a number is no text
    EXPECT_STREQ("Filter", t->text.get());
    const std::string longText(1000, 'x');
    KW_command("KW_Wid_Text %o -text %s", t, longText.c_str());
    EXPECT_EQ(255u, std::strlen(t->text.get()));
    KW_command("%o -delete", t);
}

TEST(Text, FontSizeAndBoldMakeTheFontOnlyWhenTheyChange) {
    Counting t;
    struct Step {
        const char* command;
        int fonts;
        int32_t size;
        int bold;
    };
    const Step steps[] = {
        {"KW_Wid_Text %o -font Tahoma", 1, 0, 0},  {"KW_Wid_Text %o -font Tahoma", 1, 0, 0},
        {"KW_Wid_Text %o -size 12", 2, 12, 0},     {"KW_Wid_Text %o -size 12", 2, 12, 0},
        {"KW_Wid_Text %o -bold 1", 3, 12, 1},      {"KW_Wid_Text %o -bold 1", 3, 12, 1},
        {"KW_Wid_Text %o -bold 5", 4, 12, 1},      {"KW_Wid_Text %o -bold 0.9", 5, 12, 0},
        {"KW_Wid_Text %o -font Arial", 6, 12, 0},
    };
    for (const Step& s : steps) {
        KW_command(s.command, &t);
        EXPECT_EQ(s.fonts, t.fonts) << s.command;
        EXPECT_EQ(s.size, t.size) << s.command;
        EXPECT_EQ(s.bold, t.bold) << s.command;
    }
    EXPECT_EQ(1, ask<int32_t>("KW_Wid_Text %o -bold 1 -bold", &t));
}

}  // namespace
