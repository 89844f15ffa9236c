// The action vocabulary: one table per direction, each row a literal start and the rule that
// translates a line beginning with it. Every rule reads inside its input, however the text is cut.
#include <algorithm>
#include <cctype>
#include <climits>
#include <iterator>

#include "robot/action_line.h"
#include "robot/text_util.h"

namespace {

const char kTimes[] = " times";
constexpr long long kMaxWaitMs = INT_MAX;
constexpr long long kLongestShortWaitMs = 60000;  // longer waits go to WAITLONG

constexpr std::size_t Length(const char* text) { return std::char_traits<char>::length(text); }

// text[begin, end), clamped to the text; empty when the range is empty or outside it.
std::string Slice(const std::string& text, std::size_t begin, std::size_t end = std::string::npos) {
  end = std::min(end, text.size());
  return begin < end ? text.substr(begin, end - begin) : std::string();
}

std::string WithoutSuffix(const std::string& text, const char* suffix) {
  return EndsWith(text, suffix) ? text.substr(0, text.size() - Length(suffix)) : text;
}

std::string TrimLeft(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  return first == std::string::npos ? std::string() : text.substr(first);
}

std::string TrimRight(const std::string& text) {
  const std::size_t last = text.find_last_not_of(" \t");
  return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

// The text without its last character (the closing parenthesis of a call).
std::string DropLast(const std::string& text) { return text.empty() ? text : text.substr(0, text.size() - 1); }

// ---- action text to statement ----

struct ActionForm;
using ActionRule = std::string (*)(const std::string& core, const ActionForm& form);

struct ActionForm {
  const char* m_prefix;     // what the action text starts with
  ActionRule m_rule;
  const char* m_statement;  // the statement, or its head, for the rule to complete
};

std::string FixedStatement(const std::string&, const ActionForm& form) { return form.m_statement; }
std::string CoreItself(const std::string& core, const ActionForm&) { return core; }

std::string ClickToScript(const std::string& core, const ActionForm& form) {
  std::string count = "1";
  if (EndsWith(core, "times")) {
    count = Slice(core, Length(form.m_prefix) + Length(", "), core.size() - std::min(core.size(), Length(kTimes)));
  }
  return form.m_statement + count + ")";
}

std::string ScrollToScript(const std::string& core, const ActionForm& form) {
  return EqualsNoCase(Slice(core, Length(form.m_prefix)), "Up") ? "MouseWheel(\"up\")" : "MouseWheel(\"down\")";
}

// "Mouse move to 10, 20": the first value ends at the first comma, the second starts after the
// comma and the blank that follows it.
std::string MoveToScript(const std::string& core, const ActionForm& form) {
  const std::size_t start = Length(form.m_prefix) + 1;
  const std::size_t comma = core.find(',');
  const std::string x = Slice(core, start, comma);
  const std::string y = comma == std::string::npos ? std::string() : Slice(core, comma + 2);
  return form.m_statement + x + ", " + y + ")";
}

std::string KeyToScript(const std::string& core, const ActionForm& form) {
  const std::string head = std::string(form.m_statement) + "(\"\",\"\",\"\",\"";
  const std::size_t keyStart = Length(form.m_prefix);
  const std::size_t comma = core.find(',');
  if (comma == std::string::npos) return head + Slice(core, keyStart) + "\", 1)";
  if (comma == keyStart) {
    // The key is the comma itself: "Key Press ," or "Key Press ,, 3 times".
    const std::size_t twoCommas = core.find(std::string(form.m_prefix) + ",,");
    const std::string count =
        twoCommas == std::string::npos ? "1" : WithoutSuffix(Slice(core, twoCommas + keyStart + 2), kTimes);
    return head + ",\"," + count + ")";
  }
  const std::string count = WithoutSuffix(Slice(core, comma + 2), kTimes);
  return head + Slice(core, keyStart, comma) + "\", " + count + ")";
}

std::string WaitToScript(const std::string& core, const ActionForm&) {
  long long factor = 1;
  if (!EndsWith(core, "milliseconds")) {
    if (EndsWith(core, "seconds")) factor = 1000;
    else if (EndsWith(core, "minutes")) factor = 60000;
  }
  // 64 bits and a clamp: a long wait in minutes must neither wrap round nor turn negative.
  const long long ms = std::clamp(ParseDecimal(Slice(core, Length("Wait "))) * factor, 0LL, kMaxWaitMs);
  return (ms <= kLongestShortWaitMs ? "WAIT(" : "WAITLONG(") + std::to_string(ms) + ")";
}

std::string InputTextToScript(const std::string& core, const ActionForm&) {
  std::string text = Slice(core, Length("Input text "));
  text.erase(std::remove(text.begin(), text.end(), '"'), text.end());
  return "Send(\"" + text + "\")";
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

int HexPair(const std::string& digits, std::size_t at) {
  const auto digit = [&digits](std::size_t i) { return i < digits.size() ? HexDigitValue(digits[i]) : 0; };
  return digit(at) * 16 + digit(at + 1);
}

int ComparisonCode(const std::string& word) {
  if (word.compare(0, Length("Equal to"), "Equal to") == 0) return 0;
  if (word.compare(0, Length("Unqual to"), "Unqual to") == 0) return 1;
  return 2;
}

std::string ColorTestToScript(const std::string& core, const ActionForm&) {
  const char pointForm[] = "If color at (";
  std::string x = "-1";
  std::string y = "-1";
  std::size_t wordStart = Length("If color at mouse point") + 1;
  if (core.compare(0, Length(pointForm), pointForm) == 0) {
    const std::size_t comma = core.find(',');
    const std::size_t close = core.find(')', comma == std::string::npos ? 0 : comma);
    x = TrimLeft(Slice(core, Length(pointForm), comma));
    y = comma == std::string::npos ? std::string() : TrimLeft(Slice(core, comma + 1, close));
    wordStart = close == std::string::npos ? core.size() : close + 2;
  }
  const int comparison = ComparisonCode(Slice(core, wordStart));
  const std::size_t hash = core.find('#');
  const std::string digits = hash == std::string::npos ? std::string() : WithoutSuffix(Slice(core, hash + 1), ", Then");
  return "If CheckColor(" + x + "," + y + "," + std::to_string(HexPair(digits, 0)) + "," +
         std::to_string(HexPair(digits, 2)) + "," + std::to_string(HexPair(digits, 4)) + "," +
         std::to_string(comparison) + ") Then";
}

std::string TagToScript(const std::string& core, const ActionForm& form) {
  return form.m_statement + Slice(core, Length("TAG "));
}

std::string GotoToScript(const std::string& core, const ActionForm& form) {
  return form.m_statement + Slice(core, Length("Switch to TAG "));
}

std::string LoopStartToScript(const std::string& core, const ActionForm&) {
  const std::size_t comma = core.find(',');
  const std::string id = Slice(core, Length("Start loop"), comma);
  const std::string count =
      comma == std::string::npos ? std::string() : WithoutSuffix(Slice(core, comma + Length(", loop ")), kTimes);
  return "For $count" + id + " = 1 To " + count;
}

// Tested in this order; the first row whose prefix starts the text translates it.
const ActionForm kActionForms[] = {
    {"Mouse Left Click", ClickToScript, "MouseClick(\"left\", "},
    {"Mouse Right Click", ClickToScript, "MouseClick(\"right\", "},
    {"Mouse Double Click", ClickToScript, "MouseDoubleClick(\"left\", "},
    {"Mouse Scroll ", ScrollToScript, ""},
    {"Mouse Left Down", FixedStatement, "MouseDown(\"left\")"},
    {"Mouse Left Up", FixedStatement, "MouseUp(\"left\")"},
    {"Mouse Right Down", FixedStatement, "MouseDown(\"right\")"},
    {"Mouse Right Up", FixedStatement, "MouseUp(\"right\")"},
    {"Mouse move to", MoveToScript, "MouseMove("},
    {"Relative mouse move", MoveToScript, "MouseRelativeMove("},
    {"Key Press ", KeyToScript, "KeySend"},
    {"Key Up ", KeyToScript, "KeyUp"},
    {"Key Down ", KeyToScript, "KeyDown"},
    {"Wait", WaitToScript, ""},
    {"Input text", InputTextToScript, ""},
    {"If color at ", ColorTestToScript, ""},
    {"Else", CoreItself, ""},
    {"EndIf", CoreItself, ""},
    {"TAG", TagToScript, "TAG $"},
    {"Switch to TAG", GotoToScript, "GOTO $"},
    {"Start loop", LoopStartToScript, ""},
    {"End loop block", FixedStatement, "Next"},
    {"Comment:", CoreItself, ""},
};

// ---- statement to action text ----

struct StatementForm;
using StatementRule = std::string (*)(const std::string& core, const StatementForm& form);

struct StatementForm {
  const char* m_prefix;  // what the statement starts with
  StatementRule m_rule;
  const char* m_action;  // the action text, or its head, for the rule to complete
};

std::string FixedAction(const std::string&, const StatementForm& form) { return form.m_action; }
std::string StatementItself(const std::string& core, const StatementForm&) { return core; }

// The first quoted argument, "left" shown as "Left".
std::string ButtonName(const std::string& core) {
  const std::size_t open = core.find('"');
  const std::size_t close = open == std::string::npos ? open : core.find('"', open + 1);
  std::string button = open == std::string::npos ? std::string() : Slice(core, open + 1, close);
  for (std::size_t i = 0; i < button.size(); ++i) {
    const char c = button[i];
    button[i] = static_cast<char>(i == 0 ? std::toupper(static_cast<unsigned char>(c))
                                         : std::tolower(static_cast<unsigned char>(c)));
  }
  return button;
}

std::string WithCount(const std::string& action, const std::string& count) {
  return count == "1" ? action : action + ", " + count + " times";
}

// The count of a click: from the first ", " to the closing parenthesis.
std::string ClickCount(const std::string& core) {
  const std::size_t comma = core.find(", ");
  return comma == std::string::npos ? std::string() : DropLast(Slice(core, comma + 2));
}

std::string ClickToAction(const std::string& core, const StatementForm&) {
  return WithCount("Mouse " + ButtonName(core) + " Click", ClickCount(core));
}

std::string DoubleClickToAction(const std::string& core, const StatementForm&) {
  return WithCount("Mouse Double Click", ClickCount(core));
}

std::string WheelToAction(const std::string& core, const StatementForm& form) {
  const std::string argument = DropLast(TrimLeft(Slice(core, Length(form.m_prefix))));
  return EqualsNoCase(argument, "\"up\"") ? "Mouse Scroll Up" : "Mouse Scroll Down";
}

std::string ButtonToAction(const std::string& core, const StatementForm& form) {
  return "Mouse " + ButtonName(core) + form.m_action;
}

std::string MoveToAction(const std::string& core, const StatementForm& form) {
  const std::size_t comma = core.find(',');
  const std::string first = TrimLeft(Slice(core, Length(form.m_prefix), comma));
  const std::string second = comma == std::string::npos ? std::string() : TrimLeft(DropLast(Slice(core, comma + 1)));
  return form.m_action + first + ", " + second;
}

std::string KeyToAction(const std::string& core, const StatementForm& form) {
  const std::size_t keyStart = Length(form.m_prefix) + Length("\"\",\"\",\"\",\"");
  const std::size_t lastQuote = core.rfind('"');
  const std::string key = lastQuote == std::string::npos ? std::string() : Slice(core, keyStart, lastQuote);
  const std::size_t lastComma = core.rfind(',');
  const std::string count = lastComma == std::string::npos ? std::string() : TrimLeft(DropLast(Slice(core, lastComma + 1)));
  return WithCount(form.m_action + key, count);
}

std::string WaitToAction(const std::string& core, const StatementForm&) {
  const std::size_t open = core.find('(');
  return "Wait " + Slice(core, open + 1, core.rfind(')')) + " milliseconds";
}

std::string SendToAction(const std::string& core, const StatementForm&) {
  const std::size_t first = core.find('"');
  return "Input text " + (first == std::string::npos ? std::string() : Slice(core, first + 1, core.rfind('"')));
}

std::string RestAfterPrefix(const std::string& core, const StatementForm& form) {
  return form.m_action + Slice(core, Length(form.m_prefix));
}

std::string LoopStartToAction(const std::string& core, const StatementForm& form) {
  const std::string id = TrimRight(Slice(core, Length(form.m_prefix), core.find('=')));
  const std::size_t lastBlank = core.rfind(' ');
  const std::string count = lastBlank == std::string::npos ? std::string() : Slice(core, lastBlank + 1);
  return "Start loop" + id + ", loop " + count + " times";
}

std::string HexByte(int value) {
  const char digits[] = "0123456789ABCDEF";
  value = std::clamp(value, 0, 255);
  return {digits[value / 16], digits[value % 16]};
}

std::string ColorTestToAction(const std::string& core, const StatementForm& form) {
  const std::string arguments = Slice(core, Length(form.m_prefix), core.find(')'));
  std::string fields[6];
  std::size_t start = 0;
  for (std::string& field : fields) {
    const std::size_t comma = arguments.find(',', start);
    field = TrimLeft(Slice(arguments, start, comma));
    start = comma == std::string::npos ? arguments.size() : comma + 1;
  }
  std::string action = (fields[0] == "-1" && fields[1] == "-1") ? "If color at mouse point "
                                                                  : "If color at (" + fields[0] + ", " + fields[1] + ") ";
  action += fields[5] == "0" ? "Equal to #" : fields[5] == "1" ? "Unqual to #" : "Approximately equal to #";
  for (int i = 2; i < 5; ++i) action += HexByte(ParseDecimal(fields[i]));
  return action + ", Then";
}

// Tested in this order; the first row whose prefix starts the statement translates it.
const StatementForm kStatementForms[] = {
    {"MouseClick(", ClickToAction, ""},
    {"MouseDoubleClick(", DoubleClickToAction, ""},
    {"MouseWheel(", WheelToAction, ""},
    {"MouseDown(", ButtonToAction, " Down"},
    {"MouseUp(", ButtonToAction, " Up"},
    {"MouseMove(", MoveToAction, "Mouse move to "},
    {"MouseRelativeMove(", MoveToAction, "Relative mouse move "},
    {"KeySend(", KeyToAction, "Key Press "},
    {"KeyUp(", KeyToAction, "Key Up "},
    {"KeyDown(", KeyToAction, "Key Down "},
    {"WAIT(", WaitToAction, ""},
    {"WAITLONG(", WaitToAction, ""},
    {"Send(", SendToAction, ""},
    {"TAG $", RestAfterPrefix, "TAG "},
    {"GOTO $", RestAfterPrefix, "Switch to TAG "},
    {"For $count", LoopStartToAction, ""},
    {"Next", FixedAction, "End loop block"},
    {"Comment:", StatementItself, ""},
    {"If CheckColor(", ColorTestToAction, ""},
    {"Else", StatementItself, ""},
    {"EndIf", StatementItself, ""},
};

// ---- annotations ----

struct Annotated {
  std::string m_core;
  std::string m_window;  // the window annotation as found, from its marker on
  bool m_removeMark = false;
};

// Splits off the removal mark and the last window marker that has a "]" after it.
Annotated SplitAnnotations(std::string text, const char* windowMarker) {
  Annotated parts;
  parts.m_removeMark = EndsWith(text, kRemoveOnFasterSpeed);
  if (parts.m_removeMark) text.resize(text.size() - Length(kRemoveOnFasterSpeed));
  const std::size_t at = FindWindowAnnotation(text, windowMarker);
  if (at != std::string::npos) {
    parts.m_window = text.substr(at);
    text.resize(at);
  }
  parts.m_core = text;
  return parts;
}

template <typename Form, std::size_t N>
std::string TranslateCore(const std::string& core, const Form (&forms)[N]) {
  for (const Form& form : forms) {
    if (core.compare(0, Length(form.m_prefix), form.m_prefix) == 0) return form.m_rule(core, form);
  }
  return std::string();
}

}  // namespace

std::size_t FindWindowAnnotation(const std::string& text, const char* marker) {
  for (std::size_t at = text.rfind(marker); at != std::string::npos;
       at = at == 0 ? std::string::npos : text.rfind(marker, at - 1)) {
    if (text.find(']', at + Length(marker)) != std::string::npos) return at;
  }
  return std::string::npos;
}

std::string ActionTextToScript(const ActionLine& actionText) {
  const Annotated parts = SplitAnnotations(actionText, kActionWindowMarker);
  std::string statement = TranslateCore(parts.m_core, kActionForms);
  if (!parts.m_window.empty()) statement += "->" + parts.m_window;
  if (parts.m_removeMark) statement += kRemoveOnFasterSpeed;
  return statement;
}

ActionLine ScriptToActionText(const std::string& statement) {
  const Annotated parts = SplitAnnotations(statement, kStatementWindowMarker);
  std::string action = TranslateCore(parts.m_core, kStatementForms);
  if (!parts.m_window.empty()) action += parts.m_window.substr(Length("->"));
  if (parts.m_removeMark) action += kRemoveOnFasterSpeed;
  return action;
}
