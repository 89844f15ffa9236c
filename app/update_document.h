// The version document the update check reads from the web, e.g.
//   <morvanta><version>1.2.0.0</version><download>https://www.morvanta.example/download</download></morvanta>
// and what it says: the newest version and the page to download it from. Values: any thread.
#pragma once

#include <optional>
#include <string>

#include "app/version_number.h"

struct UpdateDocument {
  std::string m_versionText;
  VersionParts m_version;
  // Always an http or https address: it is handed to the shell, so nothing else may come in.
  std::string m_download;
};

// What the document says; nullopt when it is not such a document, its version is not a version
// number or its download address is not a web address. Other elements are ignored.
std::optional<UpdateDocument> ReadUpdateDocument(const std::string& xml);
