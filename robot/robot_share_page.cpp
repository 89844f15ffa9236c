// The share page's HTML: nothing taken from the robot reaches the page without escaping.
#include "robot/robot_share_page.h"

namespace {

constexpr char kEol[] = "\r\n";

// The markup characters, each as the reference that stands for it.
void AppendEscaped(std::string& out, char c) {
  switch (c) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    case '"': out += "&quot;"; break;
    case '\'': out += "&#39;"; break;
    default: out += c;
  }
}

// The line breaks a text may carry, and what each becomes.
struct LineBreaks {
  const char* m_crLf;
  const char* m_cr;
  const char* m_lf;
};

// Escapes `text`, writing the replacement of each CR LF, lone CR or lone LF in its place.
std::string EscapeWithBreaks(const std::string& text, const LineBreaks& breaks) {
  std::string escaped;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      escaped += breaks.m_crLf;
      ++i;
    } else if (text[i] == '\r') {
      escaped += breaks.m_cr;
    } else if (text[i] == '\n') {
      escaped += breaks.m_lf;
    } else {
      AppendEscaped(escaped, text[i]);
    }
  }
  return escaped;
}

// Element content: every line break of the text shows as one.
std::string ShownText(const std::string& text) { return EscapeWithBreaks(text, {"<br>", "<br>", "<br>"}); }

// A quoted attribute value: line breaks become references, so the value reaches the form exactly.
std::string AttributeValue(const std::string& text) {
  return EscapeWithBreaks(text, {"&#13;&#10;", "&#13;", "&#10;"});
}

std::string JoinedScript(const Robot& robot) {
  std::string script;
  for (std::size_t i = 0; i < robot.m_scriptLines.size(); ++i) {
    if (i > 0) script += kEol;
    script += robot.m_scriptLines[i];
  }
  return script;
}

std::string ShownScript(const Robot& robot) {
  std::string shown;
  for (const std::string& line : robot.m_scriptLines) shown += "<li>" + ShownText(line) + "</li>" + kEol;
  return shown;
}

std::string HiddenField(const char* name, const std::string& value) {
  return std::string("<input type=\"hidden\" name=\"") + name + "\" value=\"" + AttributeValue(value) + "\">" + kEol;
}

std::string Head(const Robot& robot, const ShareSystemInfo& system) {
  return std::string("<!DOCTYPE html>") + kEol + "<html>" + kEol + "<head>" + kEol + "<meta charset=\"" +
         EscapeHtml(system.m_charset) + "\">" + kEol + "<title>Share robot: " + EscapeHtml(robot.m_name) +
         "</title>" + kEol +
         "<style>body{font-family:sans-serif;margin:2em}"
         ".script{font-family:monospace;border:1px solid #ccc;padding:0.5em 0.5em 0.5em 3em}"
         ".script li{white-space:pre-wrap}</style>" +
         kEol + "</head>" + kEol;
}

std::string RobotSection(const Robot& robot) {
  return std::string("<h1>") + ShownText(robot.m_name) + "</h1>" + kEol + "<p class=\"description\">" +
         ShownText(robot.m_description) + "</p>" + kEol + "<h2>Script</h2>" + kEol + "<ol class=\"script\">" +
         kEol + ShownScript(robot) + "</ol>" + kEol;
}

std::string UploadForm(const Robot& robot, const ShareSystemInfo& system) {
  return std::string("<form method=\"post\" action=\"") + EscapeHtml(kShareAddress) + "\">" + kEol +
         HiddenField("name", robot.m_name) + HiddenField("description", robot.m_description) +
         HiddenField("script", JoinedScript(robot)) + HiddenField("programversion", system.m_programVersion) +
         HiddenField("osversion", system.m_osVersion) +
         "<p>Press the button to publish this robot, so that other users can download it.</p>" + kEol +
         "<input type=\"submit\" value=\"Share this robot\">" + kEol + "</form>" + kEol;
}

}  // namespace

std::string EscapeHtml(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) AppendEscaped(escaped, c);
  return escaped;
}

std::string BuildSharePage(const Robot& robot, const ShareSystemInfo& system) {
  return Head(robot, system) + "<body>" + kEol + RobotSection(robot) + UploadForm(robot, system) + "</body>" +
         kEol + "</html>" + kEol;
}
