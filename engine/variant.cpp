// Variant conversions, operators and arrays.
#include "engine/variant.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// Elements live in lazily allocated pages, so a huge array costs memory only where it is used.
struct Variant::ArrayData {
  static constexpr int64_t kPageSize = 1024;
  using Page = std::array<VariantPtr, kPageSize>;

  std::vector<int> m_sizes;
  int64_t m_count = 0;
  std::vector<std::unique_ptr<Page>> m_pages;

  VariantPtr* Slot(int64_t index, bool create) {
    auto& page = m_pages[static_cast<size_t>(index / kPageSize)];
    if (!page) {
      if (!create) return nullptr;
      page = std::make_unique<Page>();
    }
    return &(*page)[static_cast<size_t>(index % kPageSize)];
  }
  const VariantPtr* Slot(int64_t index) const {
    const auto& page = m_pages[static_cast<size_t>(index / kPageSize)];
    return page ? &(*page)[static_cast<size_t>(index % kPageSize)] : nullptr;
  }
  ArrayPtr Clone() const {
    ArrayPtr copy(new ArrayData());
    copy->m_sizes = m_sizes;
    copy->m_count = m_count;
    copy->m_pages.resize(m_pages.size());
    for (size_t p = 0; p < m_pages.size(); ++p) {
      if (!m_pages[p]) continue;
      copy->m_pages[p] = std::make_unique<Page>();
      for (size_t i = 0; i < kPageSize; ++i) {
        if ((*m_pages[p])[i]) (*copy->m_pages[p])[i] = std::make_shared<Variant>(*(*m_pages[p])[i]);
      }
    }
    return copy;
  }
  // Row-major index, or -1 when the subscripts do not fit.
  int64_t IndexOf(const std::vector<int>& subscripts) const {
    if (subscripts.size() != m_sizes.size()) return -1;
    int64_t index = 0;
    for (size_t i = 0; i < m_sizes.size(); ++i) {
      if (subscripts[i] < 0 || subscripts[i] >= m_sizes[i]) return -1;
      index = index * m_sizes[i] + subscripts[i];
    }
    return index;
  }
};

namespace {

bool HasHexPrefix(const std::string& text) {
  return text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

// The longest prefix of `text` (after white space) that forms a decimal floating-point number.
double DecimalPrefix(const std::string& text) {
  size_t i = 0, n = text.size();
  while (i < n && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  size_t start = i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < n && std::isdigit(static_cast<unsigned char>(text[j]))) {
      while (j < n && std::isdigit(static_cast<unsigned char>(text[j]))) ++j;
      i = j;
    }
  }
  return std::strtod(text.substr(start, i - start).c_str(), nullptr);
}

int DecimalIntPrefix(const std::string& text) {
  errno = 0;
  long long value = std::strtoll(text.c_str(), nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

int HexTextValue(const std::string& text) {
  int value = 0;
  return HexToInt(text.substr(2), value) ? value : 0;
}

int CompareNoCase(const std::string& a, const std::string& b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    int ca = std::toupper(static_cast<unsigned char>(a[i]));
    int cb = std::toupper(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

bool HexToInt(const std::string& digits, int& value) {
  value = 0;
  if (digits.size() > 8) return false;
  uint32_t result = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return false;
    result = result * 16 + static_cast<uint32_t>(d);
  }
  value = static_cast<int>(result);
  return true;
}

std::string NumberToText(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  return buffer;
}

int DoubleToInt(double value) {
  // 2^63: the first magnitude that no longer fits a signed 64-bit integer.
  constexpr double kLimit = 9223372036854775808.0;
  if (!(value > -kLimit && value < kLimit)) return 0;
  auto wide = static_cast<int64_t>(value);
  return static_cast<int>(static_cast<uint32_t>(static_cast<uint64_t>(wide)));
}

void Variant::ArrayDeleter::operator()(ArrayData* data) const { delete data; }

Variant Variant::FromInt(int value) {
  Variant v;
  v.SetInt(value);
  return v;
}
Variant Variant::FromDouble(double value) {
  Variant v;
  v.SetDouble(value);
  return v;
}
Variant Variant::FromString(std::string text) {
  Variant v;
  v.SetString(std::move(text));
  return v;
}

void Variant::Reset() {
  m_kind = Kind::kNumber;
  m_array.reset();
  m_text.clear();
  m_textValid = false;
}

void Variant::MakeNumber(double value) {
  Reset();
  m_number = value;
  m_numberValid = true;
  m_intValid = false;
}

void Variant::SetDouble(double value) { MakeNumber(value); }

void Variant::SetInt(int value) {
  MakeNumber(value);
  m_int = value;
  m_intValid = true;
}

void Variant::SetString(std::string text) {
  m_array.reset();
  m_kind = Kind::kText;
  m_text = std::move(text);
  m_textValid = true;
  m_numberValid = false;
  m_intValid = false;
}

void Variant::Assign(const Variant& source) {
  if (this == &source) return;
  m_kind = source.m_kind;
  m_numberValid = source.m_numberValid;
  m_intValid = source.m_intValid;
  m_textValid = source.m_textValid;
  m_int = source.m_int;
  m_number = source.m_number;
  m_text = source.m_text;
  m_array = source.m_array ? source.m_array->Clone() : nullptr;
}

double Variant::AsDouble() const {
  if (m_kind == Kind::kArray) return 0;
  if (!m_numberValid) {
    m_number = HasHexPrefix(m_text) ? HexTextValue(m_text) : DecimalPrefix(m_text);
    m_numberValid = true;
  }
  return m_number;
}

int Variant::AsInt() const {
  if (m_kind == Kind::kArray) return 0;
  if (!m_intValid) {
    if (m_kind == Kind::kNumber) m_int = DoubleToInt(m_number);
    else m_int = HasHexPrefix(m_text) ? HexTextValue(m_text) : DecimalIntPrefix(m_text);
    m_intValid = true;
  }
  return m_int;
}

const std::string& Variant::AsString() const {
  static const std::string kEmpty;
  if (m_kind == Kind::kArray) return kEmpty;
  if (m_kind == Kind::kNumber && !m_textValid) {
    m_text = NumberToText(m_number);
    m_textValid = true;
  }
  return m_text;
}

bool Variant::IsTrue() const {
  switch (m_kind) {
    case Kind::kNumber: return m_number != 0;
    case Kind::kText: return !m_text.empty();
    default: return false;
  }
}

void Variant::Add(const Variant& right) {
  if (IsArray() || right.IsArray()) return;
  MakeNumber(AsDouble() + right.AsDouble());
}
void Variant::Subtract(const Variant& right) {
  if (IsArray() || right.IsArray()) return;
  MakeNumber(AsDouble() - right.AsDouble());
}
void Variant::Multiply(const Variant& right) {
  if (IsArray() || right.IsArray()) return;
  MakeNumber(AsDouble() * right.AsDouble());
}
void Variant::Divide(const Variant& right) {
  if (IsArray() || right.IsArray()) return;
  MakeNumber(AsDouble() / right.AsDouble());
}

void Variant::Power(const Variant& right) {
  if (IsArray() || right.IsArray()) return;
  double base = AsDouble(), exponent = right.AsDouble();
  MakeNumber(base != 0 || exponent > 0 ? std::pow(base, exponent) : 1.0);
}

void Variant::Concat(const Variant& right) {
  if (IsArray() || right.IsArray()) return;
  if (m_kind == Kind::kNumber) {
    AsString();
    m_kind = Kind::kText;
  }
  m_text += right.AsString();
  m_textValid = true;
  m_numberValid = false;
  m_intValid = false;
}

void Variant::Not() {
  if (IsArray()) return;
  SetInt(std::trunc(AsDouble()) == 0 ? 1 : 0);
}

bool Variant::CreateArray(const std::vector<int>& sizes) {
  Reset();
  SetInt(0);
  if (sizes.empty() || sizes.size() > static_cast<size_t>(kMaxDimensions)) return false;
  int64_t count = 1;
  for (int size : sizes) {
    if (size < 1) return false;
    count *= size;
    if (count > kMaxElements) return false;
  }
  ArrayPtr data(new ArrayData());
  data->m_sizes = sizes;
  data->m_count = count;
  data->m_pages.resize(static_cast<size_t>((count + ArrayData::kPageSize - 1) / ArrayData::kPageSize));
  m_array = std::move(data);
  m_kind = Kind::kArray;
  return true;
}

VariantPtr Variant::ElementPtr(const std::vector<int>& subscripts) {
  if (!m_array) return nullptr;
  int64_t index = m_array->IndexOf(subscripts);
  if (index < 0) return nullptr;
  VariantPtr* slot = m_array->Slot(index, true);
  if (!*slot) *slot = std::make_shared<Variant>();
  return *slot;
}

Variant* Variant::Element(const std::vector<int>& subscripts) { return ElementPtr(subscripts).get(); }

int Variant::DimensionSize(int i) const {
  if (!m_array) return 0;
  int count = static_cast<int>(m_array->m_sizes.size());
  if (i == 0) return count;
  return i >= 1 && i <= count ? m_array->m_sizes[static_cast<size_t>(i - 1)] : 0;
}

const std::vector<int>& Variant::Dimensions() const {
  static const std::vector<int> kNone;
  return m_array ? m_array->m_sizes : kNone;
}

int64_t Variant::ElementCount() const { return m_array ? m_array->m_count : 0; }

const Variant* Variant::ExistingElement(int64_t linearIndex) const {
  if (!m_array || linearIndex < 0 || linearIndex >= m_array->m_count) return nullptr;
  const VariantPtr* slot = m_array->Slot(linearIndex);
  return slot ? slot->get() : nullptr;
}

void Variant::CopyCommonElements(Variant& destination, const Variant& source) {
  if (!destination.m_array || !source.m_array) return;
  const auto& to = destination.m_array->m_sizes;
  const auto& from = source.m_array->m_sizes;
  if (to.size() != from.size()) return;
  std::vector<int> common(to.size());
  for (size_t i = 0; i < to.size(); ++i) common[i] = std::min(to[i], from[i]);
  std::vector<int> subscripts(to.size(), 0);
  while (true) {
    int64_t index = source.m_array->IndexOf(subscripts);
    const VariantPtr* slot = source.m_array->Slot(index);
    if (slot && *slot) destination.Element(subscripts)->Assign(**slot);
    size_t d = 0;
    while (d < subscripts.size() && ++subscripts[d] >= common[d]) subscripts[d++] = 0;
    if (d == subscripts.size()) return;
  }
}

bool VariantEqual(const Variant& a, const Variant& b) {
  if (a.IsArray() || b.IsArray()) return false;
  if (a.IsText() && b.IsText()) return CompareNoCase(a.AsString(), b.AsString()) == 0;
  return a.AsDouble() == b.AsDouble();
}

bool VariantGreater(const Variant& a, const Variant& b) {
  if (a.IsArray() || b.IsArray()) return false;
  if (a.IsText() && b.IsText()) return CompareNoCase(a.AsString(), b.AsString()) > 0;
  return a.AsDouble() > b.AsDouble();
}

bool VariantLess(const Variant& a, const Variant& b) {
  if (a.IsArray() || b.IsArray()) return false;
  if (a.IsText() && b.IsText()) return CompareNoCase(a.AsString(), b.AsString()) < 0;
  return a.AsDouble() < b.AsDouble();
}

bool VariantEqualCase(const Variant& a, const Variant& b) {
  if (a.IsArray() || b.IsArray()) return false;
  return a.AsString() == b.AsString();
}

bool VariantAnd(const Variant& a, const Variant& b) {
  if (a.IsArray() || b.IsArray()) return false;
  return a.IsTrue() && b.IsTrue();
}

bool VariantOr(const Variant& a, const Variant& b) {
  if (a.IsArray() || b.IsArray()) return false;
  return a.IsTrue() || b.IsTrue();
}
