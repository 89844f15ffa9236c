// Variant conversions and arrays that scripts cannot reach directly or cheaply.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/variant.h"

namespace {

TEST(Variant, FreshValueIsZeroAndFalse) {
  Variant v;
  EXPECT_EQ(v.AsDouble(), 0);
  EXPECT_EQ(v.AsString(), "0");
  EXPECT_FALSE(v.IsTrue());
  EXPECT_TRUE(Variant::FromString("0").IsTrue());
  EXPECT_FALSE(Variant::FromString("").IsTrue());
}

TEST(Variant, IntFormOfTextIsNotItsNumberForm) {
  struct Case {
    const char* m_text;
    int m_int;
    double m_number;
  };
  for (const Case& c : {Case{"1e3", 1, 1000}, Case{"3.9", 3, 3.9}, Case{"  -12abc", -12, -12},
                        Case{"0x1F", 31, 31}, Case{"0xFFFFFFFF", -1, -1}, Case{"abc", 0, 0},
                        Case{"nan", 0, 0}, Case{"99999999999", 2147483647, 99999999999.0}}) {
    Variant v = Variant::FromString(c.m_text);
    EXPECT_EQ(v.AsInt(), c.m_int) << c.m_text;
    EXPECT_EQ(v.AsDouble(), c.m_number) << c.m_text;
  }
}

TEST(Variant, IntOfNumbersOutsideSixtyFourBitsIsZero) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double d : {std::nan(""), inf, -inf, 1e19, -1e300}) EXPECT_EQ(Variant::FromDouble(d).AsInt(), 0) << d;
  EXPECT_EQ(Variant::FromDouble(4294967297.9).AsInt(), 1);
  EXPECT_EQ(Variant::FromDouble(-2.7).AsInt(), -2);
}

TEST(Variant, ArraysKeepTheirLimits) {
  Variant big;
  EXPECT_TRUE(big.CreateArray({4096, 4096}));
  EXPECT_EQ(big.ElementCount(), 16777216);
  big.Element({4095, 4095})->SetInt(7);
  EXPECT_EQ(big.ExistingElement(16777215)->AsInt(), 7);
  EXPECT_EQ(big.ExistingElement(0), nullptr);
  Variant tooBig;
  EXPECT_FALSE(tooBig.CreateArray({4097, 4096}));
  EXPECT_FALSE(tooBig.IsArray());
  EXPECT_FALSE(tooBig.CreateArray({2, 2, 2, 2, 2, 2, 2, 2, 2}));
  Variant grid;
  grid.CreateArray({2, 3});
  EXPECT_EQ(grid.Element({1}), nullptr);
  EXPECT_EQ(grid.Element({2, 0}), nullptr);
  EXPECT_EQ(grid.DimensionSize(0), 2);
  EXPECT_EQ(grid.DimensionSize(2), 3);
  EXPECT_EQ(grid.DimensionSize(3), 0);
}

TEST(Variant, ArrayOperandsLeaveTheLeftUnchanged) {
  Variant array;
  array.CreateArray({2});
  Variant n = Variant::FromInt(5);
  n.Add(array);
  n.Concat(array);
  EXPECT_EQ(n.AsString(), "5");
  EXPECT_FALSE(VariantEqual(array, array));
  EXPECT_FALSE(VariantAnd(array, Variant::FromInt(1)));
}

}  // namespace
