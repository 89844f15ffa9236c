// The execution loop on the headless host's fake clock: pauses with Adlib and script hotkeys,
// the stop flag, the quit request, and the nesting limit for waits.
#include <gtest/gtest.h>

#include "tests/core/engine_test_support.h"

namespace {

TEST(ExecutionLoop, AdlibRunsDuringAPauseThatStillEndsOnTime) {
  ScriptRun run;
  ASSERT_TRUE(run.Run("$ticks = 0\nADLIBENABLE(\"tick\", 100)\nDELAY(1000)\n$end = 1\n"
                      "Func tick()\n$ticks = $ticks + 1\nEndFunc"))
      << run.LastError();
  EXPECT_EQ(run.Text("END"), "1");
  EXPECT_GE(run.Global("TICKS").AsInt(), 9);
  EXPECT_LE(run.Global("TICKS").AsInt(), 10);
  EXPECT_GE(run.Host().TickMs(), 1000u);
  EXPECT_LT(run.Host().TickMs(), 1030u);
}

TEST(ExecutionLoop, AdlibOfAnUnknownFunctionIsReported) {
  ScriptRun run;
  EXPECT_FALSE(run.Run("ADLIBENABLE(\"nope\")"));
  EXPECT_EQ(run.LastMessage(), 33);
}

TEST(ExecutionLoop, StopEndsAPauseAtOnce) {
  ScriptRun run;
  run.Host().At(300, [&] { run.Engine().Stop(); });
  EXPECT_TRUE(run.Run("DELAY(5000)\n$after = 1"));
  EXPECT_EQ(run.Engine().Variables().Find("AFTER"), nullptr);
  EXPECT_LT(run.Host().TickMs(), 400u);
}

TEST(ExecutionLoop, QuitEndsTheRunStaysPendingAndBlocksLaterPasses) {
  ScriptRun run;
  run.Host().At(50, [&] { run.Host().PostQuit(); });
  ASSERT_TRUE(run.Load("$n = $n + 1\nWhile 1\nDELAY(10)\nWend"));
  run.Execute();
  EXPECT_TRUE(run.Engine().QuitReceived());
  EXPECT_TRUE(run.Host().QuitPending());
  run.Execute();
  EXPECT_EQ(run.Text("N"), "1");
}

TEST(ExecutionLoop, ScriptHotkeyRunsDuringAPauseWhichThenResumes) {
  ScriptRun run;
  ASSERT_TRUE(run.Load("DELAY(500)\n$end = 1\nFunc onKey()\n$hk = 1\nDELAY(100)\nGlobal $hkDone = 1\nEndFunc"));
  Variant result;
  std::string function = "ONKEY";
  run.Engine().SetHotkey(2 | 0x70 << 16, &function, result);
  EXPECT_EQ(result.AsInt(), 1);
  EXPECT_EQ(run.Host().RegisteredHotkeys().at(0), 2 | 0x70 << 16);
  run.Host().At(200, [&] { run.Host().PressHotkey(0); });
  run.Execute();
  EXPECT_FALSE(run.Engine().ErrorReported()) << run.LastError();
  EXPECT_EQ(run.Text("HKDONE"), "1");
  EXPECT_EQ(run.Engine().Variables().Find("HK"), nullptr);
  EXPECT_EQ(run.Text("END"), "1");
  EXPECT_GE(run.Host().TickMs(), 500u);
}

TEST(ExecutionLoop, HotkeySlotsAreReplacedFreedAndLimited) {
  ScriptRun run;
  ASSERT_TRUE(run.Load("Func a()\nEndFunc"));
  std::string function = "A";
  Variant result;
  for (int key = 1; key <= ScriptEngine::kMaxHotkeys; ++key) {
    run.Engine().SetHotkey(key << 16, &function, result);
    ASSERT_EQ(result.AsInt(), 1);
  }
  run.Engine().SetHotkey(100 << 16, &function, result);
  EXPECT_EQ(result.AsInt(), 0);
  run.Engine().SetHotkey(5 << 16, nullptr, result);
  EXPECT_EQ(result.AsInt(), 1);
  EXPECT_EQ(run.Host().RegisteredHotkeys().count(4), 0u);
  run.Engine().SetHotkey(5 << 16, nullptr, result);
  EXPECT_EQ(result.AsInt(), 0);
}

TEST(ExecutionLoop, WaitAtTheNestingLimitIsRefused) {
  ScriptRun run;
  EXPECT_FALSE(run.Run("f(1)\nFunc f($d)\nIf $d = 384 Then\nDELAY(10)\nElse\nf($d + 1)\nEndIf\nEndFunc"));
  EXPECT_EQ(run.LastMessage(), 53);
}

TEST(ExecutionLoop, LongWaitHoldsBackAdlibButNotHotkeys) {
  ScriptRun run;
  ASSERT_TRUE(run.Load("$ticks = 0\nADLIBENABLE(\"tick\", 50)\nDELAY(1000)\n"
                       "Func tick()\n$ticks = $ticks + 1\nEndFunc\nFunc onKey()\nGlobal $hk = 1\nEndFunc"));
  Variant result;
  std::string function = "ONKEY";
  run.Engine().SetHotkey(7 << 16, &function, result);
  run.Host().At(100, [&] { run.Engine().LongWaitPending() = true; });
  run.Host().At(300, [&] { run.Host().PressHotkey(0); });
  run.Host().At(800, [&] { run.Engine().LongWaitPending() = false; });
  run.Execute();
  EXPECT_EQ(run.Text("HK"), "1");
  // About 100 ms before and 200 ms after the long wait, at one run per 50 ms.
  EXPECT_LE(run.Global("TICKS").AsInt(), 8);
  EXPECT_GE(run.Global("TICKS").AsInt(), 5);
}

}  // namespace
