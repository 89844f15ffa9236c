// Action lines, the editor's face of a robot ("Mouse Left Click", "Wait 2 seconds"), and their
// translation to and from the script statements that robot files store and the engine runs.
// Pure functions over a constant vocabulary; thread-safe.
#pragma once

#include <string>

// The text of one robot action as the editor shows it.
using ActionLine = std::string;

// The statement for an action text, keeping its window annotation and removal mark; the empty
// text when the action is not in the vocabulary (then only the annotations remain).
std::string ActionTextToScript(const ActionLine& actionText);

// The action text for a statement, keeping its annotations; the empty text for a statement
// outside the vocabulary (then only the annotations remain).
ActionLine ScriptToActionText(const std::string& statement);

// The annotations lines may carry: the removal mark at the very end, and the recorded-window
// marker ("-> At Win [n]" in statements, " At Win [n]" in action text) before it.
constexpr char kRemoveOnFasterSpeed[] = "=> [remove on faster speed]";
constexpr char kStatementWindowMarker[] = "-> At Win [";
constexpr char kActionWindowMarker[] = " At Win [";

// The position of the last `marker` in `text` that has a "]" somewhere after it; npos if none.
std::size_t FindWindowAnnotation(const std::string& text, const char* marker);
