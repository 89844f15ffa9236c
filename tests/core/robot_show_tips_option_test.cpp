// The option file's "showtip=" line: only exactly "0" turns the start-up tips off, and what is
// written reads back the same.
#include <gtest/gtest.h>

#include "robot/show_tips_option.h"
#include "robot_test_support.h"

namespace {

class ShowTipsOptionTest : public TempFolderTest {
protected:
  std::string OptionFile() const { return PathOf("option.ini"); }
};

TEST_F(ShowTipsOptionTest, OnlyExactlyZeroTurnsTipsOff) {
  struct Case {
    const char* contents;
    bool showTips;
  } const cases[] = {
      {"showtip=0\n", false},
      {"showtip=0\r\n", false},         // written by an editor with Windows line ends
      {"showtip=0", false},             // no final line end
      {"showtip=1\n", true},
      {"showtip=2\n", true},
      {"showtip=\n", true},
      {"showtip=00\n", true},
      {"showtip=0 \n", true},
      {"other=0\n", true},
      {"", true},
      {"showtip=0\nshowtip=1\n", true},  // the last line wins
      {"x=1\nshowtip=0\n", false},
  };
  for (const Case& c : cases) {
    WriteFile("option.ini", c.contents);
    EXPECT_EQ(ReadShowTips(OptionFile()), c.showTips) << c.contents;
  }
}

TEST_F(ShowTipsOptionTest, MissingFileKeepsTips) { EXPECT_TRUE(ReadShowTips(OptionFile())); }

TEST_F(ShowTipsOptionTest, WriteTruncatesAndReadsBack) {
  WriteFile("option.ini", "showtip=1\nsome much longer line that must go\n");
  ASSERT_TRUE(WriteShowTips(OptionFile(), false));
  EXPECT_EQ(ReadFile("option.ini"), "showtip=0\n");
  EXPECT_FALSE(ReadShowTips(OptionFile()));
  ASSERT_TRUE(WriteShowTips(OptionFile(), true));
  EXPECT_EQ(ReadFile("option.ini"), "showtip=1\n");
}

TEST_F(ShowTipsOptionTest, UnwritableFileIsReported) {
  EXPECT_FALSE(WriteShowTips(PathOf("missing/option.ini"), false));
}

}  // namespace
