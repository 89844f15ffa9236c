// The share page: whatever a robot holds, the page shows it and carries it in the upload form
// escaped, and never lets it add markup of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "robot/robot_share_page.h"

namespace {

Robot MakeRobot(const std::string& name, const std::string& description, const std::vector<std::string>& lines) {
  Robot robot;
  robot.m_name = name;
  robot.m_description = description;
  robot.m_scriptLines = lines;
  return robot;
}

const ShareSystemInfo kSystem{"1.0.0.0", "WIN_10 10.0.19045", "windows-1252"};

std::size_t CountOf(const std::string& page, const std::string& text) {
  std::size_t count = 0;
  for (std::size_t at = page.find(text); at != std::string::npos; at = page.find(text, at + 1)) ++count;
  return count;
}

// Every markup character replaced by a harmless one: a page built from it has the same structure.
std::string Tamed(std::string text) {
  std::replace_if(text.begin(), text.end(), [](char c) { return std::string("&<>\"'").find(c) != std::string::npos; },
                  'x');
  return text;
}

Robot Tamed(const Robot& robot) {
  Robot tamed = MakeRobot(Tamed(robot.m_name), Tamed(robot.m_description), {});
  for (const std::string& line : robot.m_scriptLines) tamed.m_scriptLines.push_back(Tamed(line));
  return tamed;
}

// Each '&' of the page opens one of the references the page writes.
bool AmpersandsAreReferences(const std::string& page) {
  static const char* const kReferences[] = {"&amp;", "&lt;", "&gt;", "&quot;", "&#39;", "&#13;", "&#10;"};
  for (std::size_t at = page.find('&'); at != std::string::npos; at = page.find('&', at + 1)) {
    if (std::none_of(std::begin(kReferences), std::end(kReferences),
                     [&](const char* reference) { return page.compare(at, std::string(reference).size(), reference) == 0; })) {
      return false;
    }
  }
  return true;
}

TEST(SharePage, HostileTextsAreEscapedEverywhereAndNeverRaw) {
  struct Case {
    const char* what;
    Robot robot;
    std::vector<std::string> escaped;  // must appear as shown text and in the form's fields
  } const cases[] = {
      {"script tag in the description",
       MakeRobot("Tagged", "<script>alert(1)</script>", {"WAIT(10)"}),
       {"&lt;script&gt;alert(1)&lt;/script&gt;"}},
      {"quotes that would end an attribute",
       MakeRobot("Say \"hi\" & 'bye'", "a\" onmouseover=\"x' b", {"MSGBOX(\"a\" & 'b')"}),
       {"Say &quot;hi&quot; &amp; &#39;bye&#39;", "a&quot; onmouseover=&quot;x&#39; b",
        "MSGBOX(&quot;a&quot; &amp; &#39;b&#39;)"}},
      {"references are not passed through",
       MakeRobot("Amp", "&lt; is not <", {"SEND(\"&amp;&#39;\")"}),
       {"&amp;lt; is not &lt;", "SEND(&quot;&amp;amp;&amp;#39;&quot;)"}},
      {"markup that closes the form", MakeRobot("Form", "</form><form action=x>", {"</textarea></li></ol>"}),
       {"&lt;/form&gt;&lt;form action=x&gt;", "&lt;/textarea&gt;&lt;/li&gt;&lt;/ol&gt;"}},
      {"empty robot", MakeRobot("", "", {}), {}},
      {"empty and blank lines", MakeRobot("Blank", "", {"", "  ", "<>"}), {"&lt;&gt;"}},
  };
  for (const Case& c : cases) {
    const std::string page = BuildSharePage(c.robot, kSystem);
    SCOPED_TRACE(c.what);
    for (const std::string& escaped : c.escaped) EXPECT_GE(CountOf(page, escaped), 2u) << escaped;
    std::vector<std::string> texts = c.robot.m_scriptLines;
    texts.insert(texts.end(), {c.robot.m_name, c.robot.m_description});
    for (const std::string& raw : texts) {
      if (raw.find_first_of("&<>\"'") != std::string::npos) {
        EXPECT_EQ(page.find(raw), std::string::npos) << raw;
      }
    }
    const std::string tamedPage = BuildSharePage(Tamed(c.robot), kSystem);
    for (char markup : {'<', '>', '"', '\''}) {
      EXPECT_EQ(std::count(page.begin(), page.end(), markup), std::count(tamedPage.begin(), tamedPage.end(), markup))
          << markup;
    }
    EXPECT_TRUE(AmpersandsAreReferences(page));
  }
}

TEST(SharePage, IsACompletePageWithAFormPostingTheRobotAndTheSystem) {
  const Robot robot = MakeRobot("Hello", "Says hello", {"SEND(\"Hello\")", "WAIT(100)"});
  const std::string page = BuildSharePage(robot, kSystem);
  EXPECT_EQ(page.rfind("<!DOCTYPE html>\r\n", 0), 0u);
  EXPECT_EQ(page.substr(page.size() - 9), "</html>\r\n");
  EXPECT_NE(page.find("<meta charset=\"windows-1252\">"), std::string::npos);
  EXPECT_NE(page.find("<form method=\"post\" action=\"https://www.morvanta.example/share\">"), std::string::npos);
  for (const char* field : {"<input type=\"hidden\" name=\"name\" value=\"Hello\">",
                            "<input type=\"hidden\" name=\"description\" value=\"Says hello\">",
                            "<input type=\"hidden\" name=\"script\" value=\"SEND(&quot;Hello&quot;)&#13;&#10;WAIT(100)\">",
                            "<input type=\"hidden\" name=\"programversion\" value=\"1.0.0.0\">",
                            "<input type=\"hidden\" name=\"osversion\" value=\"WIN_10 10.0.19045\">",
                            "<input type=\"submit\""}) {
    EXPECT_NE(page.find(field), std::string::npos) << field;
  }
  EXPECT_NE(page.find("<li>SEND(&quot;Hello&quot;)</li>\r\n<li>WAIT(100)</li>"), std::string::npos);
}

TEST(SharePage, LineBreaksInsideTextsShowAsBreaksAndReachTheFormUnchanged) {
  const Robot robot = MakeRobot("Breaks", "one\r\ntwo\nthree\rfour", {"a\r\nb", "c\rd", "e\nf"});
  const std::string page = BuildSharePage(robot, kSystem);
  EXPECT_NE(page.find(">one<br>two<br>three<br>four</p>"), std::string::npos);
  EXPECT_NE(page.find("<li>a<br>b</li>\r\n<li>c<br>d</li>\r\n<li>e<br>f</li>"), std::string::npos);
  EXPECT_NE(page.find("name=\"description\" value=\"one&#13;&#10;two&#10;three&#13;four\""), std::string::npos);
  EXPECT_NE(page.find("name=\"script\" value=\"a&#13;&#10;b&#13;&#10;c&#13;d&#13;&#10;e&#10;f\""),
            std::string::npos);
}

TEST(SharePage, LongScriptKeepsEveryLineInOrder) {
  std::vector<std::string> lines;
  for (int i = 0; i < 5000; ++i) lines.push_back("SEND(\"<" + std::to_string(i) + ">\")");
  const std::string page = BuildSharePage(MakeRobot("Long", "", lines), kSystem);
  std::size_t shownAt = 0;
  for (int i = 0; i < 5000; ++i) {
    const std::string shown = "<li>SEND(&quot;&lt;" + std::to_string(i) + "&gt;&quot;)</li>";
    shownAt = page.find(shown, shownAt);
    ASSERT_NE(shownAt, std::string::npos) << i;
  }
  EXPECT_EQ(CountOf(page, "&#13;&#10;SEND(&quot;&lt;"), 4999u);
}

}  // namespace
