// The version document of the update check.
#include "app/update_document.h"

#include <algorithm>

#include "app/xml_element.h"
#include "robot/text_util.h"

namespace {

constexpr const char* kWebSchemes[] = {"http://", "https://"};

// A web address with something after the scheme and no blanks or control characters in it.
bool IsWebAddress(const std::string& text) {
  bool printable = std::all_of(text.begin(), text.end(), [](char c) {
    auto u = static_cast<unsigned char>(c);
    return u > 0x20 && u != 0x7F;
  });
  return printable && std::any_of(std::begin(kWebSchemes), std::end(kWebSchemes), [&](const char* scheme) {
           return StartsWithNoCase(text, scheme) && text.size() > std::string(scheme).size();
         });
}

std::string ChildText(const XmlElement& parent, const char* name) {
  const XmlElement* child = parent.Child(name);
  return child ? Trimmed(child->m_text, " \t\r\n") : std::string();
}

}  // namespace

std::optional<UpdateDocument> ReadUpdateDocument(const std::string& xml) {
  std::optional<XmlElement> root = ParseXml(xml);
  if (!root || root->m_name != "morvanta") return std::nullopt;
  UpdateDocument document;
  document.m_versionText = ChildText(*root, "version");
  document.m_download = ChildText(*root, "download");
  std::optional<VersionParts> version = ParseVersion(document.m_versionText);
  if (!version || !IsWebAddress(document.m_download)) return std::nullopt;
  document.m_version = std::move(*version);
  return document;
}
