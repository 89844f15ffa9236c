// The lexer: one line of script text into a TokenList.
#pragma once

#include <string>

#include "engine/token.h"

struct LexError {
  int m_message = 0;  // 0: none
  int m_column = -1;
};

struct LexResult {
  LexError m_error;
  // A string literal's text was read from the environment, so the list may not be reused.
  bool m_readEnvironment = false;
};

// Fills `tokens` from `line`; on failure the list holds the tokens read so far and an end token.
LexResult Tokenize(const std::string& line, bool expandEnvStrings, TokenList& tokens);

// Replaces %NAME% by the environment variable's value and %% by %.
std::string ExpandEnvironmentReferences(const std::string& text);

// The keyword's word, upper case.
const char* KeywordWord(Keyword keyword);
