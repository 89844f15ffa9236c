// End-to-end tests of the update check under Wine. A tiny web server inside the test serves version
// documents on 127.0.0.1; for each one the test points update.ini at it, presses Options > "Check
// Now" in the running program and reads the dialog's answer. Also covered: an HTTP error, an
// address where nothing listens, and a server that never answers, which Close must not wait for.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "driver/driver.h"
#include "res/main_dlg_ids.h"
#include "res/options_dlg_ids.h"
#include "res/tray_menu_ids.h"
#include "res/update_dlg_ids.h"
#include "res/version.h"
#include "wine/app_fixture.h"

namespace {

// Serves fixed pages over HTTP on 127.0.0.1 at a free port, on its own thread, one request at a
// time. Unknown paths get 404; requests for kSilentPath are read and never answered.
class TinyWebServer {
public:
  static constexpr char kSilentPath[] = "/silent";

  explicit TinyWebServer(std::map<std::string, std::string> pages) : m_pages(std::move(pages)) {
    WSADATA data;
    m_started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    m_listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = Loopback(0);
    if (bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(m_listener, 8) != 0)
      return;
    m_port = PortOf(m_listener);
    m_thread = std::thread([this] { Serve(); });
  }

  ~TinyWebServer() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    for (SOCKET held : m_silent) closesocket(held);
    closesocket(m_listener);
    if (m_started) WSACleanup();
  }

  bool Ready() const { return m_port != 0; }
  std::string Url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(m_port) + path; }
  // Whether the client has given up on a request that was never answered.
  bool SilentRequestDropped() const { return m_silentDropped; }

  // A port where nothing listens (it was free a moment ago).
  static unsigned short UnusedPort() {
    SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = Loopback(0);
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    unsigned short port = PortOf(probe);
    closesocket(probe);
    return port;
  }

private:
  static sockaddr_in Loopback(unsigned short port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
  }

  static unsigned short PortOf(SOCKET s) {
    sockaddr_in address{};
    int size = sizeof address;
    if (getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) != 0) return 0;
    return ntohs(address.sin_port);
  }

  void Serve() {
    while (!m_stop) {
      fd_set readable;
      FD_ZERO(&readable);
      FD_SET(m_listener, &readable);
      for (SOCKET held : m_silent) FD_SET(held, &readable);
      timeval tick{0, 50000};
      if (select(0, &readable, nullptr, nullptr, &tick) <= 0) continue;
      if (FD_ISSET(m_listener, &readable)) Accept();
      DropClosedSilentRequests(readable);
    }
  }

  void Accept() {
    SOCKET client = accept(m_listener, nullptr, nullptr);
    if (client == INVALID_SOCKET) return;
    DWORD timeoutMs = 5000;
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeoutMs), sizeof timeoutMs);
    std::string path = RequestPath(client);
    if (path == kSilentPath) {
      m_silent.push_back(client);
      return;
    }
    auto page = m_pages.find(path);
    SendAll(client, page == m_pages.end() ? Response("404 Not Found", "Not here.") : Response("200 OK", page->second));
    shutdown(client, SD_SEND);
    closesocket(client);
  }

  void DropClosedSilentRequests(fd_set& readable) {
    for (auto it = m_silent.begin(); it != m_silent.end();) {
      char byte;
      if (FD_ISSET(*it, &readable) && recv(*it, &byte, 1, 0) <= 0) {
        closesocket(*it);
        it = m_silent.erase(it);
        m_silentDropped = true;
      } else {
        ++it;
      }
    }
  }

  // The path of a "GET /path HTTP/1.1" request, read up to the blank line that ends its head.
  static std::string RequestPath(SOCKET client) {
    std::string request;
    char chunk[1024];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16384) {
      int got = recv(client, chunk, sizeof chunk, 0);
      if (got <= 0) break;
      request.append(chunk, got);
    }
    std::size_t start = request.find(' ');
    if (start == std::string::npos) return {};
    std::size_t end = request.find(' ', start + 1);
    return request.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
  }

  static std::string Response(const std::string& status, const std::string& body) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/xml\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
  }

  static void SendAll(SOCKET client, const std::string& data) {
    for (std::size_t sent = 0; sent < data.size();) {
      int now = send(client, data.data() + sent, static_cast<int>(data.size() - sent), 0);
      if (now <= 0) return;
      sent += now;
    }
  }

  std::map<std::string, std::string> m_pages;
  bool m_started = false;
  SOCKET m_listener = INVALID_SOCKET;
  unsigned short m_port = 0;
  std::thread m_thread;
  std::atomic<bool> m_stop{false};
  std::atomic<bool> m_silentDropped{false};
  std::vector<SOCKET> m_silent;  // the server thread's only
};

// The table below is written against this running version.
constexpr char kRunning[] = MORVANTA_VERSION_TEXT;
constexpr bool SameText(const char* a, const char* b) { return *a == *b && (*a == '\0' || SameText(a + 1, b + 1)); }
static_assert(SameText(kRunning, "1.0.0.0"), "update the version cases for the new running version");

constexpr char kChecking[] = "Checking for a newer version...";
constexpr char kPage[] = "https://www.morvanta.example/download";

std::string Document(const std::string& version, const std::string& download = kPage) {
  return "<morvanta><version>" + version + "</version><download>" + download + "</download></morvanta>";
}

// `depth` empty elements, each inside the one before.
std::string Nested(int depth) {
  std::string open, close;
  for (int i = 0; i < depth; ++i) {
    open += "<a>";
    close += "</a>";
  }
  return open + close;
}

enum class Expect { kNewer, kLatest, kNotUnderstood };

struct Case {
  const char* m_path;
  std::string m_document;
  Expect m_expect;
  // For kNewer: the version and download page the dialog shows.
  std::string m_shownVersion = "";
  std::string m_download = kPage;
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"/newer", Document("1.2.0.0"), Expect::kNewer, "1.2.0.0"},
      {"/newer-revision", Document("1.0.0.1"), Expect::kNewer, "1.0.0.1"},
      {"/newer-fifth-part", Document("1.0.0.0.1"), Expect::kNewer, "1.0.0.0.1"},
      // Declaration, comments, attributes, unknown elements, blanks, CDATA and an entity.
      {"/newer-full",
       "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- release feed -->\r\n"
       "<morvanta channel=\"stable\">\r\n  <notes><item>Faster</item></notes>\r\n  <version> 2.0 </version>\r\n"
       "  <download><![CDATA[https://www.morvanta.example/get?from=1.0]]>&amp;lang=en</download>\r\n</morvanta>\r\n",
       Expect::kNewer, "2.0", "https://www.morvanta.example/get?from=1.0&lang=en"},
      {"/same", Document("1.0.0.0"), Expect::kLatest},
      {"/same-short", Document("1"), Expect::kLatest},  // missing parts are 0
      {"/same-padded", Document("1.0.0.00.0"), Expect::kLatest},
      {"/older", Document("0.9.99.99"), Expect::kLatest},
      {"/letters", Document("1.x"), Expect::kNotUnderstood},
      {"/empty-part", Document("1..0"), Expect::kNotUnderstood},
      {"/trailing-dot", Document("2.0."), Expect::kNotUnderstood},
      {"/huge-part", Document("1.1234567890"), Expect::kNotUnderstood},
      {"/no-version", "<morvanta><download>https://www.morvanta.example/</download></morvanta>",
       Expect::kNotUnderstood},
      {"/other-root", "<product><version>2.0</version><download>https://a.example/</download></product>",
       Expect::kNotUnderstood},
      {"/not-xml", "version=2.0", Expect::kNotUnderstood},
      {"/cut-off", Document("2.0").substr(0, 45), Expect::kNotUnderstood},
      {"/local-download", Document("2.0", "file:///C:/windows/system32/calc.exe"), Expect::kNotUnderstood},
      {"/unknown-entity", Document("2.0", "https://a.example/?a&nbsp;b"), Expect::kNotUnderstood},
      {"/doctype", "<!DOCTYPE morvanta [<!ENTITY v \"2.0\">]>" + Document("&v;"), Expect::kNotUnderstood},
      {"/too-long", Document("2.0").insert(10, "<!--" + std::string(70000, 'x') + "-->"), Expect::kNotUnderstood},
      // Deeper than any real document, yet within the size limit: refused without exhausting the stack.
      {"/deep", Document("2.0").insert(10, Nested(9000)), Expect::kNotUnderstood},
  };
  return cases;
}

std::string Latest() { return std::string("You have the latest version of Morvanta (") + kRunning + ")."; }

std::string Expected(const Case& c, const std::string& url) {
  switch (c.m_expect) {
  case Expect::kNewer:
    return "A newer version of Morvanta is available: " + c.m_shownVersion + " (you have " + kRunning +
           ").\r\nDownload page: " + c.m_download;
  case Expect::kLatest: return Latest();
  case Expect::kNotUnderstood: return "The version information at the update address was not understood:\r\n" + url;
  }
  return {};
}

std::string Unreachable(const std::string& url) { return "The update address could not be reached:\r\n" + url; }

std::map<std::string, std::string> Pages() {
  std::map<std::string, std::string> pages;
  for (const Case& c : Cases()) pages[c.m_path] = c.m_document;
  return pages;
}

class AppUpdate : public AppFixture {
protected:
  void SetUp() override {
    AppFixture::SetUp();
    ASSERT_TRUE(m_server.Ready());
    ASSERT_NO_FATAL_FAILURE(StartFirst());
    ASSERT_TRUE(driver::Post(m_main, WM_COMMAND, IDC_OPTIONS, 0));
    m_options = driver::WaitForWindow({"Options", "#32770", m_first->Id(), true});
    ASSERT_NE(m_options, nullptr);
  }

  void QuitNormally() {
    ASSERT_TRUE(driver::PressButton(m_options, IDOK));
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(m_options); }));
    TrayCommand(ID_TRAY_EXIT);
    ExpectQuitsNormally(*m_first);
  }

  // Points update.ini at `address` (none: no update.ini) and presses "Check Now".
  HWND CheckNow(const std::string& address) {
    std::string ini = m_sandbox.PathOf("update.ini");
    DeleteFileA(ini.c_str());
    if (!address.empty()) std::ofstream(ini, std::ios::binary) << "[Update]\r\nAddress=" << address << "\r\n";
    driver::PressButton(m_options, IDC_OPTIONS_CHECK_NOW);
    return driver::WaitForWindow({"Check for Updates", "#32770", m_first->Id(), true});
  }

  // The dialog's answer once the check is over.
  static std::string Answer(HWND dialog) {
    std::string text;
    driver::WaitUntil([&] { return (text = driver::ControlText(dialog, IDC_UPDATE_STATUS)) != kChecking; });
    return text;
  }

  static bool DownloadOffered(HWND dialog) { return driver::IsShown(GetDlgItem(dialog, IDC_UPDATE_DOWNLOAD)); }

  static void Close(HWND dialog) {
    ASSERT_TRUE(driver::PressButton(dialog, IDCANCEL));
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(dialog); }));
  }

  // One check of `address`, expecting `answer` and a download button exactly when `offersDownload`.
  void ExpectAnswer(const std::string& address, const std::string& answer, bool offersDownload) {
    SCOPED_TRACE(address);
    HWND dialog = CheckNow(address);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Answer(dialog), answer);
    EXPECT_EQ(DownloadOffered(dialog), offersDownload);
    Close(dialog);
  }

  TinyWebServer m_server{Pages()};
  HWND m_options = nullptr;
};

TEST_F(AppUpdate, SaysWhatEachAddressAnswers) {
  for (const Case& c : Cases()) {
    std::string url = m_server.Url(c.m_path);
    ASSERT_NO_FATAL_FAILURE(ExpectAnswer(url, Expected(c, url), c.m_expect == Expect::kNewer));
  }
  std::string missing = m_server.Url("/missing");
  ASSERT_NO_FATAL_FAILURE(ExpectAnswer(missing, "The update address answered with HTTP status 404:\r\n" + missing, false));
  std::string nobody = "http://127.0.0.1:" + std::to_string(TinyWebServer::UnusedPort()) + "/version.xml";
  ASSERT_NO_FATAL_FAILURE(ExpectAnswer(nobody, Unreachable(nobody), false));
  // Without update.ini the maker's address is used; it cannot be reached from here.
  ASSERT_NO_FATAL_FAILURE(ExpectAnswer("", Unreachable("https://www.morvanta.example/version.xml"), false));
  QuitNormally();
}

TEST_F(AppUpdate, CloseDoesNotWaitForASilentServer) {
  HWND dialog = CheckNow(m_server.Url(TinyWebServer::kSilentPath));
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(driver::ControlText(dialog, IDC_UPDATE_STATUS), kChecking);
  ASSERT_NO_FATAL_FAILURE(Close(dialog));
  // The abandoned check gives up on its own; its late answer must harm nothing.
  EXPECT_TRUE(driver::WaitUntil([&] { return m_server.SilentRequestDropped(); }, driver::Milliseconds(60000)));
  std::string same = m_server.Url("/same");
  ASSERT_NO_FATAL_FAILURE(ExpectAnswer(same, Latest(), false));
  QuitNormally();
}

}  // namespace
