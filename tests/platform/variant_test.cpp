// Variant type codes, conversions, equality and hashing; Dictionary, Collection and Date.
#include "platform/Variant.h"

#include <gtest/gtest.h>

#include <unordered_set>

#include "platform/Collection.h"
#include "platform/Date.h"
#include "platform/Dictionary.h"
#include "platform/Exceptions.h"
#include "platform/FolderItem.h"
#include "platform/MemoryBlock.h"

namespace {

TEST(Variant, TypeCodes) {
  const std::pair<Variant, int> rows[] = {{Variant(), 0},
                                          {Variant(std::int32_t{1}), 2},
                                          {Variant(std::int64_t{1} << 40), 2},
                                          {Variant(1.5), 5},
                                          {Variant(std::make_shared<Date>()), 7},
                                          {Variant("s"), 8},
                                          {Variant(""), 8},
                                          {Variant(std::make_shared<Dictionary>()), 9},
                                          {Variant(std::make_shared<Collection>()), 9},
                                          {Variant(std::make_shared<MemoryBlock>()), 9},
                                          {Variant(std::make_shared<FolderItem>("/")), 9},
                                          {Variant(std::shared_ptr<Object>(std::make_shared<Date>())), 7},
                                          {Variant(std::shared_ptr<Dictionary>()), 0},
                                          {Variant(true), 11},
                                          {Variant(Color{1}), 16}};
  for (const auto& [value, code] : rows) EXPECT_EQ(VarType(value), code) << value.StringValue();
}

TEST(Variant, EqualityAndHashAgree) {
  auto dict = std::make_shared<Dictionary>();
  const std::pair<Variant, Variant> equal[] = {{Variant(3), Variant(3.0)},
                                               {Variant(std::int64_t{3}), Variant(3)},
                                               {Variant(dict), Variant(dict)},
                                               {Variant(), Variant()},
                                               {Variant("a"), Variant(std::string("a"))}};
  for (const auto& [a, b] : equal) {
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.Hash(), b.Hash());
  }
  const std::pair<Variant, Variant> different[] = {
      {Variant("Key"), Variant("key")},
      {Variant(""), Variant()},
      {Variant(3), Variant("3")},
      {Variant(1), Variant(true)},
      {Variant(3), Variant(3.5)},
      {Variant(dict), Variant(std::make_shared<Dictionary>())},  // identity, not content
      {Variant(std::make_shared<Date>(2000, 1, 1)), Variant(std::make_shared<Date>(2000, 1, 1))}};
  for (const auto& [a, b] : different) EXPECT_FALSE(a == b) << a.StringValue() << " / " << b.StringValue();
}

TEST(Variant, Conversions) {
  EXPECT_EQ(Variant(42).StringValue(), "42");
  EXPECT_EQ(Variant(true).StringValue(), "True");
  EXPECT_EQ(Variant(Color{0xFF}).StringValue(), "&h000000FF");
  EXPECT_EQ(Variant(std::make_shared<Date>(2001, 2, 3, 4, 5, 6)).StringValue(), "2001-02-03 04:05:06");
  EXPECT_EQ(Variant(3.9).Int64Value(), 3);
  EXPECT_EQ(Variant(-3.9).Int64Value(), -3);
  EXPECT_EQ(Variant(1e30).Int64Value(), INT64_MAX);
  EXPECT_EQ(Variant(" 12x").Int64Value(), 12);
  EXPECT_EQ(Variant("&hFF00FF").ColorValue(), Color{0xFF00FF});
  EXPECT_FALSE(Variant("&hXYZ").ColorValue());
  EXPECT_FALSE(Variant("&h123456789").ColorValue());
  EXPECT_FALSE(Variant(1.5).ColorValue());
  EXPECT_FALSE(Variant("garbage").DateValue());
  EXPECT_EQ(Variant("2020-02-29").DateValue()->SQLDateTime(), "2020-02-29 00:00:00");
}

TEST(Date, TextForms) {
  const std::pair<const char*, bool> rows[] = {{"2020-02-29 23:59:59", true},
                                               {"2021-02-29 00:00:00", false},
                                               {"2020-13-01 00:00:00", false},
                                               {"2020-01-01 24:00:00", false},
                                               {"2020-01-01 00:60:00", false},
                                               {"2020-01-01T00:00:00Z", true},
                                               {"2020-01-01T00:00:00", false},
                                               {"2020-1-1", false},
                                               {"", false},
                                               {"2020-01-01 00:00:00 extra", false}};
  for (const auto& [text, valid] : rows) EXPECT_EQ(Date::FromText(text) != nullptr, valid) << text;
  EXPECT_EQ(Date::FromText("0999-01-02 03:04:05")->SQLDateTime(), "0999-01-02 03:04:05");
}

TEST(Dictionary, OrderReplacementAndRemoval) {
  Dictionary dict;
  dict.SetValue("b", Variant(1));
  dict.SetValue("a", Variant(2));
  dict.SetValue("c", Variant(3));
  dict.SetValue("a", Variant(20));  // keeps its position
  dict.SetValue("A", Variant(4));   // a different key
  ASSERT_EQ(dict.Count(), 4);
  EXPECT_EQ(dict.Key(1), Variant("a"));
  EXPECT_EQ(dict.ValueAt(1), Variant(20));
  EXPECT_EQ(dict.Key(3), Variant("A"));
  dict.Remove("b");
  EXPECT_EQ(dict.Key(0), Variant("a"));
  EXPECT_EQ(dict.Value("c"), Variant(3));
  EXPECT_THROW(dict.Value("b"), KeyNotFoundException);
  EXPECT_THROW(dict.Key(3), OutOfBoundsException);
  EXPECT_EQ(dict.Lookup("b", Variant("none")), Variant("none"));
  dict.SetValue(Variant(), Variant(1));  // Nil is a key like any other for the dictionary itself
  EXPECT_TRUE(dict.HasKey(Variant()));
}

TEST(Dictionary, TenThousandKeysStayIndexed) {
  Dictionary dict;
  for (int i = 0; i < 10000; ++i) dict.SetValue("key" + std::to_string(i), Variant(i));
  for (int i = 0; i < 10000; ++i) dict.SetValue(i, Variant(-i));
  ASSERT_EQ(dict.Count(), 20000);
  EXPECT_EQ(dict.Value("key9999"), Variant(9999));
  EXPECT_EQ(dict.Value(9999.0), Variant(-9999));
  EXPECT_EQ(dict.Key(10000), Variant(0));
}

TEST(Collection, NumberedFromOne) {
  Collection list;
  list.Add(Variant("a"));
  list.Add(Variant("b"), "key");
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Item(1), Variant("a"));
  EXPECT_THROW(list.Item(0), OutOfBoundsException);
  EXPECT_THROW(list.Item(3), OutOfBoundsException);
  list.Remove(1);
  EXPECT_EQ(list.Item(1), Variant("b"));
}

}  // namespace
