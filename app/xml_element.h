// A small reader for simple XML documents, such as the update check's version document: elements
// and their text, with attributes, comments, processing instructions and the XML declaration
// skipped. Character references and the five predefined entities are decoded; a document type
// declaration is refused, so no entity is ever expanded from the document itself. Plain functions
// and values: safe on any thread.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct XmlElement {
  std::string m_name;
  // The element's own text (CDATA included), without that of its children.
  std::string m_text;
  std::vector<XmlElement> m_children;

  // The first child named `name`, or null.
  const XmlElement* Child(const std::string& name) const;
};

// The document's root element; nullopt when the text is not a well-formed document of this kind
// or nests elements deeper than any sane document does.
std::optional<XmlElement> ParseXml(const std::string& document);
