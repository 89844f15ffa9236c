// Variant: the script language's one value type (number, text or array) and its operators.
// A Variant owns its text and its elements. Array elements are shared pointers so that a ByRef
// parameter bound to an element keeps it alive even when the array is re-dimmed or replaced.
// Not thread-safe: used on the engine's thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Variant;
using VariantPtr = std::shared_ptr<Variant>;

class Variant {
 public:
  enum class Kind { kNumber = 1, kText = 2, kArray = 3 };
  static constexpr int kMaxDimensions = 8;
  static constexpr int64_t kMaxElements = 16777216;

  Variant() = default;
  Variant(const Variant& other) { Assign(other); }
  Variant(Variant&& other) noexcept = default;
  Variant& operator=(const Variant& other) {
    Assign(other);
    return *this;
  }
  Variant& operator=(Variant&& other) noexcept = default;

  static Variant FromInt(int value);
  static Variant FromDouble(double value);
  static Variant FromString(std::string text);

  void SetDouble(double value);
  void SetInt(int value);
  void SetString(std::string text);
  void Assign(const Variant& source);

  Kind GetKind() const { return m_kind; }
  bool IsNumber() const { return m_kind == Kind::kNumber; }
  bool IsText() const { return m_kind == Kind::kText; }
  bool IsArray() const { return m_kind == Kind::kArray; }

  double AsDouble() const;
  int AsInt() const;
  const std::string& AsString() const;
  bool IsTrue() const;

  // In-place operators: the left operand is this; arrays leave it unchanged.
  void Add(const Variant& right);
  void Subtract(const Variant& right);
  void Multiply(const Variant& right);
  void Divide(const Variant& right);
  void Power(const Variant& right);
  void Concat(const Variant& right);
  void Not();

  // Arrays. CreateArray fails (leaving the number 0) when the element count passes kMaxElements
  // or a size is below 1 or there are more than kMaxDimensions sizes.
  bool CreateArray(const std::vector<int>& sizes);
  // The element at the subscripts, created on first access; nullptr when the count or a
  // subscript is out of range or this is not an array.
  Variant* Element(const std::vector<int>& subscripts);
  VariantPtr ElementPtr(const std::vector<int>& subscripts);
  // 0 gives the dimension count, 1..count the size of that dimension, anything else 0.
  int DimensionSize(int i) const;
  const std::vector<int>& Dimensions() const;
  // The element at a row-major index when it was ever touched, else nullptr (for dumping).
  const Variant* ExistingElement(int64_t linearIndex) const;
  int64_t ElementCount() const;
  // Keeps the elements whose subscripts lie inside both arrays (same dimension count only).
  static void CopyCommonElements(Variant& destination, const Variant& source);

 private:
  struct ArrayData;
  struct ArrayDeleter {
    void operator()(ArrayData* data) const;
  };
  using ArrayPtr = std::unique_ptr<ArrayData, ArrayDeleter>;
  void Reset();
  void MakeNumber(double value);

  Kind m_kind = Kind::kNumber;
  mutable bool m_numberValid = true;
  mutable bool m_intValid = true;
  mutable bool m_textValid = false;
  mutable int m_int = 0;
  mutable double m_number = 0;
  mutable std::string m_text;
  ArrayPtr m_array;
};

// Comparisons; arrays make every one of them false.
bool VariantEqual(const Variant& a, const Variant& b);
bool VariantGreater(const Variant& a, const Variant& b);
bool VariantLess(const Variant& a, const Variant& b);
bool VariantEqualCase(const Variant& a, const Variant& b);
bool VariantAnd(const Variant& a, const Variant& b);
bool VariantOr(const Variant& a, const Variant& b);

// Up to 8 hexadecimal digits as a 32-bit pattern; more digits or a non-digit fail (value 0).
bool HexToInt(const std::string& digits, int& value);
// "%.15g" text of a number.
std::string NumberToText(double value);
// Truncates toward zero to 64 bits and keeps the low 32; NaN, infinities and numbers outside
// 64 bits give 0.
int DoubleToInt(double value);
