// Feedback and timing built-ins on the headless host: the timer arithmetic and memory figures
// through fake counters, and how the window built-ins read their arguments, seen through a
// recording stand-in for the windows.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "builtins/counters_services.h"
#include "builtins/feedback_services.h"
#include "tests/core/engine_test_support.h"

namespace {

class FakeCounters : public SystemCounters {
 public:
  bool PerformanceCounter(int64_t& value) override {
    value = m_now;
    return m_hasCounter;
  }
  bool PerformanceFrequency(int64_t& ticksPerSecond) override {
    ticksPerSecond = m_frequency;
    return m_hasCounter;
  }
  bool Memory(MemoryFigures& figures) override {
    figures = m_memory;
    return true;
  }
  int64_t m_now = 0;
  int64_t m_frequency = 1000;
  bool m_hasCounter = true;
  MemoryFigures m_memory;
};

FakeCounters& UseFakeCounters(ScriptRun& run) {
  auto counters = std::make_unique<FakeCounters>();
  FakeCounters& fake = *counters;
  run.Engine().Services().Set<SystemCounters>(std::move(counters));
  return fake;
}

TEST(Timer, InitGivesTheCounterAndDiffTheMillisecondsSinceIt) {
  struct Case {
    int64_t m_start, m_now, m_frequency;
    double m_expectedMs;
  } const cases[] = {{1000, 5000, 2000, 2000.0}, {7, 8, 3, 1000.0 / 3}, {3000000000LL, 3000000001LL, 1000000, 0.001}};
  for (const Case& c : cases) {
    ScriptRun run;
    FakeCounters& counters = UseFakeCounters(run);
    counters.m_frequency = c.m_frequency;
    counters.m_now = c.m_start;
    ASSERT_TRUE(run.Run("$t = TIMERINIT()\n$s = TIMERSTART()")) << run.LastError();
    counters.m_now = c.m_now;
    ASSERT_TRUE(run.Run("$d = TIMERDIFF($t)\n$e = TIMERSTOP($s)")) << run.LastError();
    EXPECT_DOUBLE_EQ(run.Global("T").AsDouble(), static_cast<double>(c.m_start));
    EXPECT_DOUBLE_EQ(run.Global("D").AsDouble(), c.m_expectedMs);
    EXPECT_DOUBLE_EQ(run.Global("E").AsDouble(), c.m_expectedMs);
  }
}

TEST(Timer, RealCounterMeasuresASmallPositiveTime) {
  ScriptRun run;
  ASSERT_TRUE(run.Run("$d = TIMERDIFF(TIMERINIT())")) << run.LastError();
  EXPECT_GT(run.Global("D").AsDouble(), 0.0);
  EXPECT_LT(run.Global("D").AsDouble(), 1000.0);
}

TEST(Timer, MissingCounterIsReported) {
  for (const char* script : {"$t = TIMERINIT()", "$d = TIMERDIFF(0)\n$after = 1"}) {
    ScriptRun run;
    UseFakeCounters(run).m_hasCounter = false;
    EXPECT_FALSE(run.Run(script)) << script;
    EXPECT_EQ(run.LastMessage(), 13) << script;
    EXPECT_EQ(run.Engine().Variables().Find("AFTER"), nullptr);
  }
  ScriptRun zeroFrequency;
  UseFakeCounters(zeroFrequency).m_frequency = 0;
  EXPECT_FALSE(zeroFrequency.Run("$d = TIMERDIFF(0)"));
  EXPECT_EQ(zeroFrequency.LastMessage(), 13);
}

TEST(MemGetStats, SevenFiguresInKilobytesWithFractions) {
  ScriptRun run;
  UseFakeCounters(run).m_memory = {42, 1536, 1024, 5ULL << 40, 512, 2048, 1};
  ASSERT_TRUE(run.Run("$m = MEMGETSTATS()\n$n = UBOUND($m)\n$load = $m[0]\n$tp = $m[1]\n$ap = $m[2]\n"
                      "$tf = $m[3]\n$af = $m[4]\n$tv = $m[5]\n$av = $m[6]"))
      << run.LastError();
  EXPECT_EQ(run.Global("N").AsInt(), 7);
  EXPECT_EQ(run.Text("LOAD"), "42");
  EXPECT_EQ(run.Text("TP"), "1.5");
  EXPECT_EQ(run.Text("AP"), "1");
  EXPECT_EQ(run.Global("TF").AsDouble(), 5368709120.0);  // 5 TB: no 32-bit wrap
  EXPECT_EQ(run.Text("AF"), "0.5");
  EXPECT_EQ(run.Text("TV"), "2");
  EXPECT_EQ(run.Text("AV"), "0.0009765625");
}

TEST(MemGetStats, RealFiguresAreConsistent) {
  ScriptRun run;
  ASSERT_TRUE(run.Run("$m = MEMGETSTATS()\n$ok = $m[1] > 0 And $m[2] <= $m[1] And $m[0] >= 0 And $m[0] <= 100"))
      << run.LastError();
  EXPECT_EQ(run.Text("OK"), "1");
}

// Records every call as one line of text.
class RecordingUi : public FeedbackUi {
 public:
  int ShowMessageBox(int flags, const std::string& title, const std::string& text, int timeoutMs) override {
    Log("box " + std::to_string(flags) + " " + title + "|" + text + " " + std::to_string(timeoutMs));
    return m_answer;
  }
  void ToolTip(const std::string& text, std::optional<int> x, std::optional<int> y) override {
    Log("tip " + text + " " + Coordinate(x) + "," + Coordinate(y));
  }
  void TrayTip(const std::string& title, const std::string& text, int timeoutMs, int iconFlags) override {
    Log("tray " + std::to_string(title.size()) + " " + std::to_string(text.size()) + " " +
        std::to_string(timeoutMs) + " " + std::to_string(iconFlags));
  }
  void ShowSplashText(const SplashTextRequest& request) override {
    Log("splash " + request.m_title + "|" + request.m_text + " " + Describe(request.m_placement) + " align" +
        std::to_string(static_cast<int>(request.m_align)) + " font '" + request.m_fontName + "' " +
        std::to_string(request.m_fontPoints) + " " + std::to_string(request.m_fontWeight));
  }
  bool ShowSplashPicture(const SplashPictureRequest& request) override {
    Log("picture " + request.m_title + " " + std::to_string(request.m_pictureBytes.size()) + " " +
        Describe(request.m_placement));
    return m_pictureDecodes;
  }
  void CloseSplash() override { Log("splash off"); }
  void ShowProgress(const ProgressRequest& request) override {
    m_progress = true;
    Log("progress " + request.m_title + "|" + request.m_mainText + "|" + request.m_subText + " " +
        Describe(request.m_placement));
  }
  bool HasProgress() const override { return m_progress; }
  void SetProgressPercent(int percent) override { Log("percent " + std::to_string(percent)); }
  void SetProgressMainText(const std::string& text) override { Log("main '" + text + "'"); }
  void SetProgressSubText(const std::string& text) override { Log("sub '" + text + "'"); }
  void CloseProgress() override {
    m_progress = false;
    Log("progress off");
  }

  std::string m_log;
  int m_answer = 6;
  bool m_pictureDecodes = true;
  bool m_progress = false;

 private:
  void Log(const std::string& line) { m_log += line + "\n"; }
  static std::string Coordinate(std::optional<int> value) { return value ? std::to_string(*value) : "-"; }
  static std::string Describe(const FeedbackPlacement& p) {
    return std::to_string(p.m_clientWidth) + "x" + std::to_string(p.m_clientHeight) + " at " + Coordinate(p.m_x) +
           "," + Coordinate(p.m_y) + (p.m_caption ? " caption" : "") + (p.m_topmost ? " topmost" : "") +
           (p.m_enabled ? " enabled" : "");
  }
};

RecordingUi& UseRecordingUi(ScriptRun& run) {
  auto ui = std::make_unique<RecordingUi>();
  RecordingUi& recording = *ui;
  run.Engine().Services().Set<FeedbackUi>(std::move(ui));
  return recording;
}

struct UiCase {
  const char* m_script;
  const char* m_expectedLog;
};

void ExpectLogs(const UiCase* begin, const UiCase* end) {
  for (const UiCase* c = begin; c != end; ++c) {
    ScriptRun run;
    RecordingUi& ui = UseRecordingUi(run);
    EXPECT_TRUE(run.Run(c->m_script)) << c->m_script << "\n" << run.LastError();
    EXPECT_EQ(ui.m_log, c->m_expectedLog) << c->m_script;
  }
}

TEST(FeedbackArguments, MessageBoxToolTipAndTrayTip) {
  static const UiCase cases[] = {
      {"$r = MSGBOX(4, \"T\", \"x\")", "box 4 T|x 0\n"},
      {"$r = MSGBOX(36, \"T\", \"x\", 2)", "box 36 T|x 2000\n"},
      {"$r = MSGBOX(0, \"T\", \"x\", -5)", "box 0 T|x 0\n"},
      {"$r = MSGBOX(0, \"T\", \"x\", 9999999)", "box 0 T|x 2147483647\n"},
      {"TOOLTIP(\"hi\")\nTOOLTIP(\"hi\", 10)\nTOOLTIP(\"\", -1, 20)", "tip hi -,-\ntip hi 10,-\ntip  -1,20\n"},
      {"TRAYTIP(\"t\", \"x\", 3)", "tray 1 1 3000 0\n"},
  };
  ExpectLogs(std::begin(cases), std::end(cases));

  ScriptRun run;
  UseRecordingUi(run).m_answer = 7;
  ASSERT_TRUE(run.Run("$r = MSGBOX(4, \"T\", \"x\")"));
  EXPECT_EQ(run.Text("R"), "7");
}

TEST(FeedbackArguments, TrayTipCutsTitleAndTextToTheirLimits) {
  ScriptRun run;
  RecordingUi& ui = UseRecordingUi(run);
  ASSERT_TRUE(run.Run("$t = \"\"\nFor $i = 1 To 300\n$t = $t & \"a\"\nNext\nTRAYTIP($t, $t, 1, 2)"))
      << run.LastError();
  EXPECT_EQ(ui.m_log, "tray 63 255 1000 2\n");
}

TEST(FeedbackArguments, SplashTextSizePositionStyleAndFont) {
  static const UiCase cases[] = {
      {"SPLASHTEXTON(\"T\", \"x\")", "splash T|x 500x400 at -,- caption topmost align0 font '' 12 400\n"},
      {"SPLASHTEXTON(\"T\", \"x\", 200, -1, 5, -1, -1, \"Arial\", 20, 700)",
       "splash T|x 200x400 at 5,- caption topmost align0 font 'Arial' 20 700\n"},
      {"SPLASHTEXTON(\"T\", \"x\", -1, 50, -1, 7, 1 + 2 + 16, \"\", 5, 1001)",
       "splash T|x 500x50 at -,7 enabled align0 font '' 12 400\n"},
      {"SPLASHTEXTON(\"T\", \"x\", 1, 1, 0, 0, 4)", "splash T|x 1x1 at 0,0 caption topmost align1 font '' 12 400\n"},
      {"SPLASHTEXTON(\"T\", \"x\", 1, 1, 0, 0, 8, \"\", 6, 0)",
       "splash T|x 1x1 at 0,0 caption topmost align2 font '' 6 0\n"},
      {"SPLASHTEXTON(\"T\", \"x\", 1, 1, 0, 0, 12)", "splash T|x 1x1 at 0,0 caption topmost align0 font '' 12 400\n"},
      {"SPLASHOFF()", "splash off\n"},
  };
  ExpectLogs(std::begin(cases), std::end(cases));
}

TEST(FeedbackArguments, ProgressWindowAndItsUpdates) {
  static const UiCase cases[] = {
      {"PROGRESSSET(50, \"s\", \"m\")", ""},
      {"PROGRESSON(\"T\", \"m\")\nPROGRESSSET(150)\nPROGRESSSET(-1)\nPROGRESSSET(50, \"\")\nPROGRESSSET(100, "
       "\"s\", \"\")\nPROGRESSOFF()\nPROGRESSSET(1)",
       "progress T|m| 300x100 at -,- caption topmost\npercent 50\npercent 100\nsub 's'\nmain ''\nprogress off\n"},
      {"PROGRESSON(\"T\", \"m\", \"s\", 10, 20, 3)", "progress T|m|s 300x100 at 10,20\n"},
  };
  ExpectLogs(std::begin(cases), std::end(cases));
}

class SplashPicture : public ::testing::Test {
 protected:
  void TearDown() override { std::remove(m_path.c_str()); }
  void WriteFile(const std::string& bytes) { std::ofstream(m_path, std::ios::binary) << bytes; }
  std::string m_path = ::testing::TempDir() + "morvanta_splash_picture.gif";
};

TEST_F(SplashPicture, FileIsReadWholeAndHandedOver) {
  WriteFile(std::string("GIF89a\0\1", 8));
  ScriptRun run;
  RecordingUi& ui = UseRecordingUi(run);
  ASSERT_TRUE(run.Run("SPLASHIMAGEON(\"T\", \"" + m_path + "\", 30, 40, 1, 2, 2)")) << run.LastError();
  EXPECT_EQ(ui.m_log, "splash off\npicture T 8 30x40 at 1,2 caption\n");
}

TEST_F(SplashPicture, MissingOrUndecodableFileIsReportedAndLeavesNoSplash) {
  WriteFile("not a picture");
  for (const std::string& path : {m_path, m_path + ".missing"}) {
    ScriptRun run;  // the headless windows check the picture's signature
    EXPECT_FALSE(run.Run("SPLASHIMAGEON(\"T\", \"" + path + "\")\n$after = 1")) << path;
    EXPECT_EQ(run.LastMessage(), 47) << path;
    EXPECT_EQ(run.Engine().Variables().Find("AFTER"), nullptr);
  }
  ScriptRun run;
  RecordingUi& ui = UseRecordingUi(run);
  ui.m_pictureDecodes = false;
  EXPECT_FALSE(run.Run("SPLASHIMAGEON(\"T\", \"" + m_path + "\")"));
  EXPECT_EQ(run.LastMessage(), 47);
  EXPECT_EQ(ui.m_log.find("splash off\n"), 0u);
}

TEST(HeadlessMessageBox, AnswersWithTheDefaultButtonOrTimesOut) {
  struct Case {
    const char* m_call;
    int m_expected;
  } const cases[] = {{"MSGBOX(0, \"T\", \"x\")", 1},        {"MSGBOX(4, \"T\", \"x\")", 6},
                     {"MSGBOX(4 + 256, \"T\", \"x\")", 7},  {"MSGBOX(3 + 512, \"T\", \"x\")", 2},
                     {"MSGBOX(1 + 512, \"T\", \"x\")", 1},  {"MSGBOX(4, \"T\", \"x\", 2)", -1}};
  for (const Case& c : cases) {
    ScriptRun run;
    ASSERT_TRUE(run.Run(std::string("$r = ") + c.m_call)) << run.LastError();
    EXPECT_EQ(run.Global("R").AsInt(), c.m_expected) << c.m_call;
  }
}

}  // namespace
