// Reading a small web document with WinINet.
#include "app/web_fetch.h"

#include <windows.h>

#include <wininet.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

constexpr DWORD kTimeoutMs = 10000;
constexpr DWORD kHttpOk = 200;
constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                                INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_AUTH;
constexpr DWORD kTimeoutOptions[] = {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                                     INTERNET_OPTION_RECEIVE_TIMEOUT};

struct HandleCloser {
  void operator()(void* handle) const { InternetCloseHandle(handle); }
};
using InternetHandle = std::unique_ptr<void, HandleCloser>;

void SetTimeouts(HINTERNET handle) {
  for (DWORD option : kTimeoutOptions) {
    DWORD timeout = kTimeoutMs;
    InternetSetOptionA(handle, option, &timeout, sizeof timeout);
  }
}

// The parts of an http or https address that WinINet asks for one by one.
struct WebAddress {
  bool m_secure = false;
  std::string m_host;
  INTERNET_PORT m_port = 0;
  std::string m_object;
};

std::optional<WebAddress> CrackAddress(const std::string& address) {
  URL_COMPONENTSA parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = 1;  // point into `address`
  if (!InternetCrackUrlA(address.c_str(), 0, 0, &parts)) return std::nullopt;
  if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return std::nullopt;
  WebAddress web;
  web.m_secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  web.m_host.assign(parts.lpszHostName, parts.dwHostNameLength);
  web.m_port = parts.nPort;
  web.m_object.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
  web.m_object.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (web.m_object.empty()) web.m_object = "/";
  return web;
}

InternetHandle Connect(HINTERNET session, const WebAddress& web) {
  InternetHandle connection(
      InternetConnectA(session, web.m_host.c_str(), web.m_port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
  if (connection) SetTimeouts(connection.get());
  return connection;
}

// A sent GET request, or null when the server could not be reached.
InternetHandle SendRequest(HINTERNET connection, const WebAddress& web) {
  DWORD flags = kRequestFlags | (web.m_secure ? INTERNET_FLAG_SECURE : 0);
  InternetHandle request(HttpOpenRequestA(connection, "GET", web.m_object.c_str(), nullptr, nullptr, nullptr, flags, 0));
  if (!request) return nullptr;
  SetTimeouts(request.get());
  if (!HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0)) return nullptr;
  return request;
}

// The response's status code; 0 when it has none.
DWORD HttpStatus(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof status;
  if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) return 0;
  return status;
}

// Reads at most maxBytes + 1 bytes, enough to tell a document that is too long.
WebFetchResult ReadBody(HINTERNET request, std::size_t maxBytes) {
  WebFetchResult result;
  char chunk[4096];
  for (;;) {
    DWORD read = 0;
    DWORD wanted = static_cast<DWORD>(std::min(sizeof chunk, maxBytes + 1 - result.m_body.size()));
    if (!InternetReadFile(request, chunk, wanted, &read)) return result;  // the connection broke
    if (read == 0) break;
    result.m_body.append(chunk, read);
    if (result.m_body.size() > maxBytes) {
      result.m_body.clear();
      result.m_status = WebFetchResult::Status::kTooLarge;
      return result;
    }
  }
  result.m_status = WebFetchResult::Status::kOk;
  return result;
}

}  // namespace

WebFetchResult FetchWebDocument(const std::string& address, std::size_t maxBytes) {
  std::optional<WebAddress> web = CrackAddress(address);
  if (!web) return {};
  InternetHandle session(InternetOpenA("Morvanta", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return {};
  SetTimeouts(session.get());
  // The time-outs go on every handle: some WinINet versions take them only from the connection or
  // the request itself. Handles close children first, as they are declared in this order.
  InternetHandle connection = Connect(session.get(), *web);
  if (!connection) return {};
  InternetHandle request = SendRequest(connection.get(), *web);
  if (!request) return {};
  DWORD status = HttpStatus(request.get());
  if (status == 0) return {};
  if (status != kHttpOk) {
    WebFetchResult result;
    result.m_status = WebFetchResult::Status::kHttpError;
    result.m_httpStatus = status;
    return result;
  }
  return ReadBody(request.get(), maxBytes);
}
