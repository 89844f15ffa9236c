// FeedbackUi: the windows the feedback built-ins show (message box, tooltip, tray tip, splash and
// progress windows). Owned by the engine's ServiceRegistry and destroyed with the engine, which
// takes every window it made with it. Engine thread only; the windows are serviced by the
// engine's message pumping.
#pragma once

#include <memory>
#include <optional>
#include <string>

enum class TextAlign { kCentre, kLeft, kRight };

// Where and how a splash or progress window appears. A coordinate without a value centres the
// window along that axis.
struct FeedbackPlacement {
  int m_clientWidth = 0;
  int m_clientHeight = 0;
  std::optional<int> m_x;
  std::optional<int> m_y;
  bool m_caption = true;
  bool m_topmost = true;
  bool m_enabled = false;
};

struct SplashTextRequest {
  std::string m_title;
  std::string m_text;
  FeedbackPlacement m_placement;
  TextAlign m_align = TextAlign::kCentre;
  std::string m_fontName;  // empty: the default GUI font's face
  int m_fontPoints = 12;
  int m_fontWeight = 400;
};

struct SplashPictureRequest {
  std::string m_title;
  std::string m_pictureBytes;  // the whole picture file
  FeedbackPlacement m_placement;
};

struct ProgressRequest {
  std::string m_title;
  std::string m_mainText;
  std::string m_subText;
  FeedbackPlacement m_placement;
};

class FeedbackUi {
 public:
  static constexpr int kTimedOut = -1;

  virtual ~FeedbackUi() = default;

  // Shows a message box with the flags as its type and waits for it; the pressed button's id,
  // or kTimedOut when `timeoutMs` (0: none) passed first.
  virtual int ShowMessageBox(int flags, const std::string& title, const std::string& text, int timeoutMs) = 0;
  // Shows `text` in the tracking tooltip (empty hides it); a missing coordinate is the mouse
  // position's plus 16.
  virtual void ToolTip(const std::string& text, std::optional<int> x, std::optional<int> y) = 0;
  virtual void TrayTip(const std::string& title, const std::string& text, int timeoutMs, int iconFlags) = 0;

  // The splash window: a new one replaces the old one. False when the picture cannot be decoded
  // (then no splash window is left).
  virtual void ShowSplashText(const SplashTextRequest& request) = 0;
  virtual bool ShowSplashPicture(const SplashPictureRequest& request) = 0;
  virtual void CloseSplash() = 0;

  // The progress window: a new one replaces the old one.
  virtual void ShowProgress(const ProgressRequest& request) = 0;
  virtual bool HasProgress() const = 0;
  virtual void SetProgressPercent(int percent) = 0;
  virtual void SetProgressMainText(const std::string& text) = 0;
  virtual void SetProgressSubText(const std::string& text) = 0;
  virtual void CloseProgress() = 0;

  static std::unique_ptr<FeedbackUi> CreateDefault();
};
