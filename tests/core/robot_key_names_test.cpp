// Key names: the table's pairs and defaults, and hotkey texts as key strings.
#include <gtest/gtest.h>

#include <set>

#include "robot/key_names.h"

namespace {

TEST(KeyNamesTest, NamesAndCodesPairBothWays) {
  const struct {
    int m_code;
    const char* m_name;
  } cases[] = {{1, "<MouseLeft>"}, {13, "<Enter>"}, {29, "<NonCovert>"}, {48, "0"},        {57, "9"},
               {65, "A"},          {90, "Z"},       {91, "<L Win>"},    {100, "<4>"},       {101, "<5>"},
               {106, "<*>"},       {109, "<->"},    {111, "</>"},       {135, "<F24>"},     {186, ";"},
               {188, ","},         {192, "`"},      {220, "\\"},        {222, "'"},         {254, "<OemClear>"}};
  for (const auto& c : cases) {
    EXPECT_EQ(KeyNameToCode(c.m_name), c.m_code) << c.m_name;
    EXPECT_EQ(KeyCodeToName(c.m_code), c.m_name) << c.m_code;
  }
}

TEST(KeyNamesTest, TheTableNamesExactly191CodesEachOnce) {
  std::set<std::string> names;
  int named = 0;
  for (int code = -1; code <= 300; ++code) {
    const std::string name = KeyCodeToName(code);
    if (name.empty()) continue;
    ++named;
    names.insert(name);
    EXPECT_EQ(KeyNameToCode(name), code) << name;
  }
  EXPECT_EQ(named, 191);
  EXPECT_EQ(names.size(), 191u);
}

TEST(KeyNamesTest, UnknownNamesGiveTheNineKeyAndUnknownCodesNoName) {
  for (const char* name : {"<F25>", "<enter>", "a", "", "<Enter> ", "Enter"}) EXPECT_EQ(KeyNameToCode(name), 57) << name;
  for (int code : {0, 7, 94, 184, 224, 255, -1}) EXPECT_EQ(KeyCodeToName(code), "") << code;
}

TEST(KeyNamesTest, HotkeyTextsTakeTheirLongestModifierPrefix) {
  const struct {
    const char* m_text;
    const char* m_keyString;
  } cases[] = {
      {"Ctrl + Shift + Alt + M", "^+!M"}, {"Ctrl + Shift + <F2>", "^+<F2>"}, {"Ctrl + Alt + <Del>", "^!<Del>"},
      {"Shift + Alt + 1", "+!1"},         {"Ctrl + A", "^A"},                {"Shift + <F5>", "+<F5>"},
      {"Alt + <Pause>", "!<Pause>"},      {"<F5>", "<F5>"},                  {"", ""},
      {"Ctrl + ", "^"},                   {"ctrl + A", "ctrl + A"},          {"Alt + Ctrl + B", "!Ctrl + B"},
  };
  for (const auto& c : cases) EXPECT_EQ(HotkeyTextToKeyString(c.m_text), c.m_keyString) << c.m_text;
}

}  // namespace
