// Feedback built-ins: message box, tooltip, tray tip, splash and progress windows. They read
// their arguments and leave the windows to the engine's FeedbackUi.
#include "builtins/feedback.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>

#include "builtins/feedback_services.h"
#include "engine/script_engine.h"

namespace builtins {

namespace {

constexpr int kMessagePictureNotLoaded = 47;

// Bits of the splash and progress windows' option argument.
constexpr int kOptionNoCaption = 1;
constexpr int kOptionNotTopmost = 2;
constexpr int kOptionAlignLeft = 4;
constexpr int kOptionAlignRight = 8;
constexpr int kOptionEnabled = 16;

constexpr int kSplashWidth = 500;
constexpr int kSplashHeight = 400;
constexpr int kProgressWidth = 300;
constexpr int kProgressHeight = 100;
constexpr size_t kTrayTitleLimit = 63;
constexpr size_t kTrayTextLimit = 255;

FeedbackUi& Ui(ScriptEngine& engine) { return engine.Services().Get<FeedbackUi>(); }

// Seconds as milliseconds, saturating instead of overflowing.
int SecondsToMs(int seconds) {
  int64_t ms = static_cast<int64_t>(seconds) * 1000;
  return static_cast<int>(std::clamp<int64_t>(ms, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The argument's value, or nothing when it is missing or -1 (the "default" marker).
std::optional<int> Given(const ArgList& args, size_t i) {
  if (!args.Has(i) || args[i].AsInt() == -1) return std::nullopt;
  return args[i].AsInt();
}

FeedbackPlacement Placement(const ArgList& args, size_t xIndex, size_t optionIndex, int width, int height) {
  FeedbackPlacement placement;
  placement.m_clientWidth = std::max(0, width);
  placement.m_clientHeight = std::max(0, height);
  placement.m_x = Given(args, xIndex);
  placement.m_y = Given(args, xIndex + 1);
  int option = Given(args, optionIndex).value_or(0);
  placement.m_caption = (option & kOptionNoCaption) == 0;
  placement.m_topmost = (option & kOptionNotTopmost) == 0;
  placement.m_enabled = (option & kOptionEnabled) != 0;
  return placement;
}

// Splash arguments: title, content, width, height, x, y, option.
FeedbackPlacement SplashPlacement(const ArgList& args) {
  return Placement(args, 4, 6, Given(args, 2).value_or(kSplashWidth), Given(args, 3).value_or(kSplashHeight));
}

TextAlign SplashAlign(const ArgList& args) {
  int option = Given(args, 6).value_or(0);
  switch (option & (kOptionAlignLeft | kOptionAlignRight)) {
    case kOptionAlignLeft: return TextAlign::kLeft;
    case kOptionAlignRight: return TextAlign::kRight;
    default: return TextAlign::kCentre;
  }
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return !file.bad();
}

}  // namespace

int MsgBox(ScriptEngine& engine, const ArgList& args, Variant& result) {
  int timeoutMs = args.Has(3) ? std::max(0, SecondsToMs(args[3].AsInt())) : 0;
  result.SetInt(Ui(engine).ShowMessageBox(ArgInt(args, 0), ArgText(args, 1), ArgText(args, 2), timeoutMs));
  return 0;
}

int ToolTip(ScriptEngine& engine, const ArgList& args, Variant&) {
  std::optional<int> x = args.Has(1) ? std::optional<int>(args[1].AsInt()) : std::nullopt;
  std::optional<int> y = args.Has(2) ? std::optional<int>(args[2].AsInt()) : std::nullopt;
  Ui(engine).ToolTip(ArgText(args, 0), x, y);
  return 0;
}

int TrayTip(ScriptEngine& engine, const ArgList& args, Variant&) {
  Ui(engine).TrayTip(ArgText(args, 0).substr(0, kTrayTitleLimit), ArgText(args, 1).substr(0, kTrayTextLimit),
                     SecondsToMs(ArgInt(args, 2)), ArgInt(args, 3));
  return 0;
}

int SplashTextOn(ScriptEngine& engine, const ArgList& args, Variant&) {
  SplashTextRequest request;
  request.m_title = ArgText(args, 0);
  request.m_text = ArgText(args, 1);
  request.m_placement = SplashPlacement(args);
  request.m_align = SplashAlign(args);
  request.m_fontName = ArgText(args, 7);
  int points = ArgInt(args, 8);
  request.m_fontPoints = points > 5 ? points : 12;
  int weight = ArgInt(args, 9, -1);
  request.m_fontWeight = weight >= 0 && weight <= 1000 ? weight : 400;
  Ui(engine).ShowSplashText(request);
  return 0;
}

int SplashImageOn(ScriptEngine& engine, const ArgList& args, Variant&) {
  FeedbackUi& ui = Ui(engine);
  ui.CloseSplash();
  SplashPictureRequest request;
  request.m_title = ArgText(args, 0);
  request.m_placement = SplashPlacement(args);
  if (!ReadWholeFile(ArgText(args, 1), request.m_pictureBytes) || !ui.ShowSplashPicture(request)) {
    return engine.ReportError(kMessagePictureNotLoaded, ScriptEngine::kNoColumn);
  }
  return 0;
}

int SplashOff(ScriptEngine& engine, const ArgList&, Variant&) {
  Ui(engine).CloseSplash();
  return 0;
}

int ProgressOn(ScriptEngine& engine, const ArgList& args, Variant&) {
  ProgressRequest request;
  request.m_title = ArgText(args, 0);
  request.m_mainText = ArgText(args, 1);
  request.m_subText = ArgText(args, 2);
  request.m_placement = Placement(args, 3, 5, kProgressWidth, kProgressHeight);
  Ui(engine).ShowProgress(request);
  return 0;
}

int ProgressSet(ScriptEngine& engine, const ArgList& args, Variant&) {
  FeedbackUi& ui = Ui(engine);
  if (!ui.HasProgress()) return 0;
  int percent = ArgInt(args, 0);
  if (percent >= 0 && percent <= 100) ui.SetProgressPercent(percent);
  if (args.Has(1) && !args[1].AsString().empty()) ui.SetProgressSubText(args[1].AsString());
  if (args.Has(2)) ui.SetProgressMainText(args[2].AsString());
  return 0;
}

int ProgressOff(ScriptEngine& engine, const ArgList&, Variant&) {
  Ui(engine).CloseProgress();
  return 0;
}

}  // namespace builtins
