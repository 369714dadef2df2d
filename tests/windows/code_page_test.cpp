// The window tests' entry, and the character set the game's texts depend on.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "window_fixture.h"

namespace {

// Every window test needs the Japanese code page; say so once, clearly, instead of a hundred
// puzzling text mismatches.
class JapaneseCodePage : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_EQ(GetACP(), japaneseCodePage)
            << "The ANSI code page is " << GetACP()
            << ", not 932: the game's Shift-JIS texts would show as garbage. Under Wine, run with "
               "LC_ALL=ja_JP.UTF-8.";
    }
};

TEST(CodePage, ProcessUsesTheJapaneseAnsiCodePage) {
    EXPECT_EQ(GetACP(), japaneseCodePage);
}

TEST(CodePage, WaveDashCompilesToItsShiftJisBytes) {
    const char quit[] = "えんい～";
    ASSERT_EQ(std::strlen(quit), 8u) << "four double-byte characters";
    EXPECT_EQ(static_cast<unsigned char>(quit[6]), 0x81);
    EXPECT_EQ(static_cast<unsigned char>(quit[7]), 0x60);
    EXPECT_TRUE(IsDBCSLeadByte(static_cast<BYTE>(quit[6])));
}

TEST(CodePage, BackslashEStaysTwoCharacters) {
    const char quitLabel[] = "\\e";
    EXPECT_EQ(std::strlen(quitLabel), 2u);
    EXPECT_EQ(quitLabel[0], '\\');
    EXPECT_EQ(quitLabel[1], 'e');
}

TEST(CodePage, JapaneseTextsReadBackAsTheSameCharacters) {
    // Shift-JIS bytes through the ANSI code page become the intended UTF-16 characters.
    const char text[] = "0～8 : スタート";
    wchar_t wide[32] = {};
    ASSERT_GT(MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 32), 0);
    EXPECT_EQ(wide[0], L'0');
    EXPECT_EQ(wide[1], 0xFF5E) << "the wave dash, as code page 932 reads 0x81 0x60";
    EXPECT_EQ(wide[6], 0x30B9) << "katakana su";
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new JapaneseCodePage);
    return RUN_ALL_TESTS();
}
