// The update check.
#include "app/update_check.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "app/app_paths.h"
#include "app/update_document.h"
#include "app/web_fetch.h"

namespace {

// A version document is a few hundred bytes; anything far longer is not one.
constexpr std::size_t kMaxDocumentBytes = 64 * 1024;

std::string IniValue(const std::string& path, const char* section, const char* key) {
  std::vector<char> buffer(512);
  for (;;) {
    DWORD length = GetPrivateProfileStringA(section, key, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                                            path.c_str());
    if (length + 1 < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);  // the value was cut: read it again with more room
  }
}

UpdateCheckAnswer Unreachable(const std::string& address) {
  return {"The update address could not be reached:\r\n" + address, {}};
}

UpdateCheckAnswer NotUnderstood(const std::string& address) {
  return {"The version information at the update address was not understood:\r\n" + address, {}};
}

UpdateCheckAnswer HttpError(const std::string& address, unsigned long status) {
  return {"The update address answered with HTTP status " + std::to_string(status) + ":\r\n" + address, {}};
}

UpdateCheckAnswer Compare(const UpdateDocument& document, const std::string& runningVersion) {
  std::optional<VersionParts> running = ParseVersion(runningVersion);
  if (!running) return {"The version of this copy of Morvanta could not be read.", {}};
  if (CompareVersions(document.m_version, *running) <= 0)
    return {"You have the latest version of Morvanta (" + runningVersion + ").", {}};
  return {"A newer version of Morvanta is available: " + document.m_versionText + " (you have " + runningVersion +
              ").\r\nDownload page: " + document.m_download,
          document.m_download};
}

}  // namespace

std::string UpdateAddress() {
  std::string address = IniValue(UpdateIniPath(), "Update", "Address");
  return address.empty() ? kDefaultUpdateAddress : address;
}

UpdateCheckAnswer CheckForUpdate(const std::string& address, const std::string& runningVersion) {
  WebFetchResult fetched = FetchWebDocument(address, kMaxDocumentBytes);
  switch (fetched.m_status) {
  case WebFetchResult::Status::kUnreachable: return Unreachable(address);
  case WebFetchResult::Status::kHttpError: return HttpError(address, fetched.m_httpStatus);
  case WebFetchResult::Status::kTooLarge: return NotUnderstood(address);
  case WebFetchResult::Status::kOk: break;
  }
  std::optional<UpdateDocument> document = ReadUpdateDocument(fetched.m_body);
  return document ? Compare(*document, runningVersion) : NotUnderstood(address);
}
