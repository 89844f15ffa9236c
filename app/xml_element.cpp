// A small XML reader.
#include "app/xml_element.h"

#include <cstring>

namespace {

// Bounds the recursion, so a hostile document cannot exhaust the stack.
constexpr int kMaxDepth = 32;
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

struct Entity {
  const char* m_name;
  char m_character;
};
constexpr Entity kEntities[] = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsNameChar(char c) {
  auto u = static_cast<unsigned char>(c);
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
         c == '.' || c == ':' || u >= 0x80;
}

// A character reference's text ("#65" or "#x41") as one 8-bit character; '?' beyond that range.
std::optional<char> NumericReference(const std::string& body) {
  bool hex = body.size() > 1 && (body[1] == 'x' || body[1] == 'X');
  std::string digits = body.substr(hex ? 2 : 1);
  if (digits.empty() || digits.size() > 6) return std::nullopt;
  if (digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos)
    return std::nullopt;
  unsigned long value = std::stoul(digits, nullptr, hex ? 16 : 10);
  if (value == 0) return std::nullopt;
  return value <= 0xFF ? static_cast<char>(value) : '?';
}

std::optional<char> Reference(const std::string& body) {
  if (!body.empty() && body[0] == '#') return NumericReference(body);
  for (const Entity& entity : kEntities) {
    if (body == entity.m_name) return entity.m_character;
  }
  return std::nullopt;
}

class XmlReader {
public:
  explicit XmlReader(const std::string& text) : m_text(text) {}

  std::optional<XmlElement> Document() {
    if (StartsWith(kUtf8Mark)) m_pos += std::strlen(kUtf8Mark);
    if (!SkipMisc() || StartsWith("<!DOCTYPE")) return std::nullopt;
    std::optional<XmlElement> root = Element(0);
    if (!root || !SkipMisc() || m_pos != m_text.size()) return std::nullopt;
    return root;
  }

private:
  bool StartsWith(const char* prefix) const { return m_text.compare(m_pos, std::strlen(prefix), prefix) == 0; }
  bool AtEnd() const { return m_pos >= m_text.size(); }

  // Moves past the next `end`; false when the text ends first.
  bool SkipPast(const char* end) {
    std::size_t found = m_text.find(end, m_pos);
    if (found == std::string::npos) return false;
    m_pos = found + std::strlen(end);
    return true;
  }

  // Blanks, comments and processing instructions between elements.
  bool SkipMisc() {
    for (;;) {
      while (!AtEnd() && IsSpace(m_text[m_pos])) ++m_pos;
      if (StartsWith("<!--")) {
        if (!SkipPast("-->")) return false;
      } else if (StartsWith("<?")) {
        if (!SkipPast("?>")) return false;
      } else {
        return true;
      }
    }
  }

  std::string Name() {
    std::size_t start = m_pos;
    while (!AtEnd() && IsNameChar(m_text[m_pos])) ++m_pos;
    return m_text.substr(start, m_pos - start);
  }

  // Skips the attributes up to the end of a start tag; reports whether the element is empty ("/>").
  std::optional<bool> SkipAttributes() {
    while (!AtEnd()) {
      char c = m_text[m_pos];
      if (c == '"' || c == '\'') {
        std::size_t close = m_text.find(c, m_pos + 1);
        if (close == std::string::npos) return std::nullopt;
        m_pos = close + 1;
      } else if (c == '<') {
        return std::nullopt;
      } else if (StartsWith("/>")) {
        m_pos += 2;
        return true;
      } else {
        ++m_pos;
        if (c == '>') return false;
      }
    }
    return std::nullopt;
  }

  std::optional<XmlElement> Element(int depth) {
    if (depth > kMaxDepth || !StartsWith("<")) return std::nullopt;
    ++m_pos;
    XmlElement element;
    element.m_name = Name();
    if (element.m_name.empty()) return std::nullopt;
    std::optional<bool> empty = SkipAttributes();
    if (!empty) return std::nullopt;
    if (*empty || Content(element, depth)) return element;
    return std::nullopt;
  }

  bool EndTag(const XmlElement& element) {
    m_pos += 2;
    if (Name() != element.m_name) return false;
    while (!AtEnd() && IsSpace(m_text[m_pos])) ++m_pos;
    return StartsWith(">") && (++m_pos, true);
  }

  bool CData(std::string& text) {
    std::size_t start = m_pos + std::strlen("<![CDATA[");
    std::size_t end = m_text.find("]]>", start);
    if (end == std::string::npos) return false;
    text.append(m_text, start, end - start);
    m_pos = end + 3;
    return true;
  }

  bool AppendReference(std::string& text) {
    std::size_t end = m_text.find(';', m_pos);
    if (end == std::string::npos) return false;
    std::optional<char> c = Reference(m_text.substr(m_pos + 1, end - m_pos - 1));
    if (!c) return false;
    text += *c;
    m_pos = end + 1;
    return true;
  }

  // Text, children, comments and instructions up to and including the element's end tag.
  bool Content(XmlElement& element, int depth) {
    for (;;) {
      if (AtEnd()) return false;
      if (StartsWith("</")) return EndTag(element);
      bool ok = true;
      if (StartsWith("<!--")) {
        ok = SkipPast("-->");
      } else if (StartsWith("<![CDATA[")) {
        ok = CData(element.m_text);
      } else if (StartsWith("<?")) {
        ok = SkipPast("?>");
      } else if (StartsWith("<")) {
        std::optional<XmlElement> child = Element(depth + 1);
        ok = child.has_value();
        if (ok) element.m_children.push_back(std::move(*child));
      } else if (StartsWith("&")) {
        ok = AppendReference(element.m_text);
      } else {
        element.m_text += m_text[m_pos++];
      }
      if (!ok) return false;
    }
  }

  const std::string& m_text;
  std::size_t m_pos = 0;
};

}  // namespace

const XmlElement* XmlElement::Child(const std::string& name) const {
  for (const XmlElement& child : m_children) {
    if (child.m_name == name) return &child;
  }
  return nullptr;
}

std::optional<XmlElement> ParseXml(const std::string& document) { return XmlReader(document).Document(); }
