// The feedback windows of runs without a desktop (native morvanta-script and tests). Nobody can
// answer a message box here, so it prints its caption and text and answers as if Enter were
// pressed at once (its default button), or times out when it has a timeout: a run never waits on
// a box that cannot be seen. Pictures are accepted when they carry a BMP, JPEG or GIF signature.
#ifndef _WIN32

#include <cstdio>

#include "builtins/feedback_services.h"

namespace {

struct ButtonSet {
  int m_count;
  int m_ids[3];
};

// By the low four bits of the flags: OK; OK Cancel; Abort Retry Ignore; Yes No Cancel; Yes No;
// Retry Cancel; Cancel Try-again Continue.
constexpr ButtonSet kButtonSets[] = {{1, {1}},       {2, {1, 2}}, {3, {3, 4, 5}},  {3, {6, 7, 2}},
                                     {2, {6, 7}},    {2, {4, 2}}, {3, {2, 10, 11}}};

int DefaultButton(int flags) {
  size_t set = static_cast<size_t>(flags & 0xF);
  if (set >= sizeof(kButtonSets) / sizeof(kButtonSets[0])) set = 0;
  int index = (flags >> 8) & 0xF;
  const ButtonSet& buttons = kButtonSets[set];
  return buttons.m_ids[index < buttons.m_count ? index : 0];
}

bool HasPictureSignature(const std::string& bytes) {
  return bytes.compare(0, 2, "BM") == 0 || bytes.compare(0, 3, "\xFF\xD8\xFF") == 0 ||
         bytes.compare(0, 6, "GIF87a") == 0 || bytes.compare(0, 6, "GIF89a") == 0;
}

class HeadlessFeedback : public FeedbackUi {
 public:
  int ShowMessageBox(int flags, const std::string& title, const std::string& text, int timeoutMs) override {
    std::printf("%s: %s\n", title.c_str(), text.c_str());
    std::fflush(stdout);
    return timeoutMs > 0 ? kTimedOut : DefaultButton(flags);
  }
  void ToolTip(const std::string&, std::optional<int>, std::optional<int>) override {}
  void TrayTip(const std::string&, const std::string&, int, int) override {}
  void ShowSplashText(const SplashTextRequest&) override {}
  bool ShowSplashPicture(const SplashPictureRequest& request) override {
    return HasPictureSignature(request.m_pictureBytes);
  }
  void CloseSplash() override {}
  void ShowProgress(const ProgressRequest&) override { m_progressOpen = true; }
  bool HasProgress() const override { return m_progressOpen; }
  void SetProgressPercent(int) override {}
  void SetProgressMainText(const std::string&) override {}
  void SetProgressSubText(const std::string&) override {}
  void CloseProgress() override { m_progressOpen = false; }

 private:
  bool m_progressOpen = false;
};

}  // namespace

std::unique_ptr<FeedbackUi> FeedbackUi::CreateDefault() { return std::make_unique<HeadlessFeedback>(); }

#endif
