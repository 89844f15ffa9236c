// The lexer: token kinds and values of tricky lines.
#include <gtest/gtest.h>

#include "builtins/table.h"
#include "engine/lexer.h"

namespace {

std::string Kinds(const std::string& line) {
  TokenList tokens;
  LexResult result = Tokenize(line, false, tokens);
  std::string out;
  for (size_t i = 0; i < tokens.Size(); ++i) out += std::to_string(static_cast<int>(tokens[i].m_kind)) + " ";
  if (result.m_error.m_message) out += "E" + std::to_string(result.m_error.m_message) + "@" + std::to_string(result.m_error.m_column);
  return out;
}

TEST(Lexer, KindsOfTrickyLines) {
  struct Case {
    const char* m_line;
    const char* m_kinds;
  };
  for (const Case& c : {Case{"$a=1;note", "15 3 2 16 "}, Case{"== = =<", "23 3 3 5 16 "},
                        Case{"<> <= >= > <", "6 8 7 4 5 16 "}, Case{"1abc", "2 17 16 "},
                        Case{"1.2.3", "2 2 16 "}, Case{"send SeNd myFunc", "1 1 17 16 "},
                        Case{"If Then", "0 0 16 "}, Case{"@err $_x", "22 15 16 "},
                        Case{"&()*+,-/[]^", "19 9 10 14 11 18 12 13 20 21 24 16 "},
                        Case{"0x123456789", "16 E6@11"}, Case{"1e ", "16 E6@2"}, Case{"$ x", "16 E56@0"},
                        Case{"'open", "16 E55@0"}, Case{"a # b", "17 16 E6@2"}}) {
    EXPECT_EQ(Kinds(c.m_line), c.m_kinds) << c.m_line;
  }
}

TEST(Lexer, ValuesAndColumns) {
  TokenList tokens;
  Tokenize("  myFunc($Var, 'It''s', 1e5-3, 0x1F)", false, tokens);
  EXPECT_EQ(tokens[0].m_text, "MYFUNC");
  EXPECT_EQ(tokens[0].m_column, 2);
  EXPECT_EQ(tokens[2].m_text, "Var");
  EXPECT_EQ(tokens[2].m_key, "VAR");
  EXPECT_EQ(tokens[4].m_value.AsString(), "It's");
  EXPECT_TRUE(tokens[4].m_value.IsText());
  EXPECT_EQ(tokens[6].m_value.AsDouble(), 100000);
  EXPECT_EQ(tokens[8].m_value.AsInt(), 31);
  EXPECT_EQ(tokens[10].m_column, 36);
}

TEST(Lexer, EveryBuiltinNameTokenizesAsAFunction) {
  for (int i = 0; i < kBuiltinCount; ++i) {
    TokenList tokens;
    Tokenize(BuiltinAt(i).m_name, false, tokens);
    EXPECT_TRUE(tokens[0].Is(TokenKind::kFunction)) << BuiltinAt(i).m_name;
    EXPECT_EQ(tokens[0].m_index, i);
  }
}

}  // namespace
