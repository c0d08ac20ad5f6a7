// The XML dictionary reader: versions, pairing, merging, conversions, foreign property lists,
// hostile input, and write-then-read round trips of every value kind.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <cstring>
#include <string>

#include "platform/Collection.h"
#include "platform/Date.h"
#include "platform/Exceptions.h"
#include "platform/FolderItem.h"
#include "platform/MemoryBlock.h"
#include "settings/XMLDictionary.h"

namespace {

std::string xmldict(const std::string& body, const std::string& version = "1.1") {
  return "<?xml version=\"1.0\"?><xmldict version=\"" + version + "\">" + body + "</xmldict>";
}

std::string plist(const std::string& inner, const std::string& version = "1.0") {
  return "<?xml version=\"1.0\"?><plist version=\"" + version + "\">" + inner + "</plist>";
}

// Loads text into a fresh dictionary; the dictionary is null when the load answered False.
std::shared_ptr<Dictionary> load(const std::string& text) {
  auto dict = std::make_shared<Dictionary>();
  return XMLDictionary::LoadXML(dict, text) ? dict : nullptr;
}

TEST(Reader, RootAndVersion) {
  struct Row {
    std::string text;
    bool accepted;
  };
  const std::string entry = "<key>k</key><string>v</string>";
  const Row rows[] = {
      {xmldict(entry, "1.1"), true},
      {xmldict(entry, "1.10"), true},
      {xmldict(entry, "0.9"), true},
      {"<xmldict>" + entry + "</xmldict>", true},
      {xmldict(entry, "1.2"), false},
      {xmldict(entry, "2"), false},
      {"<anything version=\"1.0\">" + entry + "</anything>", true},
      {plist("<dict>" + entry + "</dict>"), true},
      {plist("<dict>" + entry + "</dict>", "1.1"), false},
      {plist("<dict>" + entry + "</dict>", "1.05"), false},
      {plist("<array/>"), false},
      {plist("<!-- c -->\n  <dict>" + entry + "</dict>"), true},
      {plist(""), false},
      {plist("just text"), false},
      {"not xml", false},
      {"<xmldict><key>k</key>", false},
      {xmldict(entry) + "<xmldict/>", false},  // two files run together
      {xmldict(entry) + "garbage", false},
      {"", false},
  };
  for (const Row& row : rows) {
    auto dict = load(row.text);
    EXPECT_EQ(dict != nullptr, row.accepted) << row.text;
    if (dict) {
      EXPECT_EQ(dict->Lookup("k", Variant()), Variant("v")) << row.text;
    }
  }
}

TEST(Reader, RefusedDocumentLeavesDictionaryUntouched) {
  auto dict = std::make_shared<Dictionary>();
  dict->SetValue("keep", Variant(1));
  EXPECT_FALSE(XMLDictionary::LoadXML(dict, xmldict("<key>k</key><string>v</string>", "2")));
  EXPECT_EQ(dict->Count(), 1);
}

TEST(Reader, OnlyTheFirstDictOfAPropertyListIsRead) {
  auto dict = load(plist("<dict><key>a</key><true/></dict><dict><key>b</key><true/></dict>"));
  ASSERT_TRUE(dict);
  EXPECT_TRUE(dict->HasKey("a"));
  EXPECT_FALSE(dict->HasKey("b"));
}

TEST(Reader, KeysPairWithTheNextElementOnly) {
  struct Row {
    std::string body;
    int count;
  };
  const Row rows[] = {
      {"<key>a</key><key>b</key><string>v</string>", 0},
      {"<key>a</key><unknown/><string>v</string>", 0},
      {"<key>a</key><!-- note --> \n <string>v</string>", 1},
      {"<key>a</key>", 0},
      {"<string>orphan</string>", 0},
      {"<dict><key>x</key><true/></dict>", 0},
  };
  for (const Row& row : rows) {
    auto dict = load(xmldict(row.body));
    ASSERT_TRUE(dict) << row.body;
    EXPECT_EQ(dict->Count(), row.count) << row.body;
  }
  auto dict = load(xmldict("<key>a</key><!-- note --><string>v</string>"));
  EXPECT_EQ(dict->Value("a"), Variant("v"));
}

TEST(Reader, ArraysIgnoreKeys) {
  auto dict = load(xmldict("<key>l</key><array><key>x</key><string>s</string><null/></array>"));
  ASSERT_TRUE(dict);
  const auto list = dict->Value("l").ObjectAs<Collection>();
  ASSERT_TRUE(list);
  ASSERT_EQ(list->Count(), 2);
  EXPECT_EQ(list->Item(1), Variant("s"));
  EXPECT_TRUE(list->Item(2).IsNil());
}

TEST(Reader, RepeatedKeysMergeDictsAndReplaceTheRest) {
  auto dict = std::make_shared<Dictionary>();
  dict->SetValue("untouched", Variant(1));
  ASSERT_TRUE(XMLDictionary::LoadXML(
      dict,
      xmldict("<key>d</key><dict><key>a</key><integer>1</integer><key>b</key><integer>2</integer></dict>"
              "<key>d</key><dict><key>b</key><integer>3</integer><key>c</key><integer>4</integer></dict>"
              "<key>l</key><array><integer>1</integer></array>"
              "<key>l</key><array><integer>2</integer></array>"
              "<key>s</key><string>one</string><key>s</key><string>two</string>")));
  EXPECT_EQ(dict->Value("untouched"), Variant(1));
  const auto d = dict->Value("d").ObjectAs<Dictionary>();
  ASSERT_TRUE(d);
  EXPECT_EQ(d->Count(), 3);
  EXPECT_EQ(d->Value("b"), Variant(3));
  const auto l = dict->Value("l").ObjectAs<Collection>();
  ASSERT_EQ(l->Count(), 1);
  EXPECT_EQ(l->Item(1), Variant(2));
  EXPECT_EQ(dict->Value("s"), Variant("two"));
}

TEST(Reader, Conversions) {
  struct Row {
    std::string element;
    Variant expected;
  };
  const Row rows[] = {
      {"<integer>3.9</integer>", Variant(3)},
      {"<integer>-3.9</integer>", Variant(-3)},
      {"<integer>abc</integer>", Variant(0)},
      {"<integer>4294967296</integer>", Variant(4294967296LL)},
      {"<integer>2147483647</integer>", Variant(INT32_MAX)},
      {"<integer>-2147483648</integer>", Variant(INT32_MIN)},
      {"<integer>2147483648</integer>", Variant(2147483648LL)},
      {"<integer>5000000000</integer>", Variant(5000000000LL)},
      {"<integer>9007199254740993</integer>", Variant(9007199254740993LL)},
      {"<integer>-9007199254740993.9</integer>", Variant(-9007199254740993LL)},
      {"<integer>9223372036854775807</integer>", Variant(INT64_MAX)},
      {"<integer>-9223372036854775808</integer>", Variant(INT64_MIN)},
      {"<integer> 1.5e3</integer>", Variant(1500)},
      {"<integer>\t42</integer>", Variant(42)},
      {"<integer>1e+3</integer>", Variant(1000)},
      {"<integer>15e-1</integer>", Variant(1)},
      {"<real>1e300</real>", Variant(1e300)},
      {"<string>  padded  </string>", Variant("  padded  ")},
      {"<string>   </string>", Variant("   ")},
      {"<string></string>", Variant("")},
      {"<string/>", Variant("")},
      {"<string>a &amp; b &#65;&#x42;</string>", Variant("a & b AB")},
      {"<string>&apos;&quot;&lt;&gt;</string>", Variant("'\"<>")},
      {"<string>&#x1F600;</string>", Variant("\xF0\x9F\x98\x80")},  // beyond U+FFFF: four bytes
      {"<string>x<b>bold</b>y</string>", Variant("x<b>bold</b>y")},
      {"<string><![CDATA[<raw> & ]]></string>", Variant("<raw> & ")},
      {"<string>line1\r\nline2</string>", Variant("line1\nline2")},
      {"<true>0</true>", Variant(true)},
      {"<false/>", Variant(false)},
      {"<null/>", Variant()},
      {"<color>#FF00FF</color>", Variant(Color{0xFF00FF})},
      {"<color>#8000ff00</color>", Variant(Color{0x8000FF00})},
      {"<color>#zz</color>", Variant()},
      {"<color></color>", Variant()},
      {"<date>not a date</date>", Variant()},
      {"<date>2021-02-30 10:00:00</date>", Variant()},
      {"<file>cmVsYXRpdmU=</file>", Variant()},  // "relative" is no absolute path
  };
  for (const Row& row : rows) {
    auto dict = load(xmldict("<key>k</key>" + row.element));
    ASSERT_TRUE(dict) << row.element;
    ASSERT_TRUE(dict->HasKey("k")) << row.element;
    EXPECT_EQ(dict->Value("k"), row.expected) << row.element << " gave " << dict->Value("k").StringValue();
    EXPECT_EQ(VarType(dict->Value("k")), VarType(row.expected)) << row.element;
  }
}

TEST(Reader, DatesInBothForms) {
  auto dict =
      load(xmldict("<key>a</key><date>2020-02-29 13:05:09</date>"
                   "<key>b</key><date>2020-06-01T12:00:00Z</date>"));
  ASSERT_TRUE(dict);
  EXPECT_EQ(dict->Value("a").DateValue()->SQLDateTime(), "2020-02-29 13:05:09");
  ASSERT_TRUE(dict->Value("b").DateValue());
  EXPECT_EQ(VarType(dict->Value("b")), VarTypes::kDate);
}

TEST(Reader, ForeignPropertyList) {
  // What other programs' standard writers produce: BOM, CRLF, a DOCTYPE, Base64 wrapped at 68
  // columns and indented, self-closing booleans, comments and a UTC date.
  const std::string text =
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
      "<!DOCTYPE plist PUBLIC \"-//Apple Computer//DTD PLIST 1.0//EN\" "
      "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\r\n"
      "<plist version=\"1.0\">\r\n<dict>\r\n"
      "\t<key>Flag</key>\r\n\t<true/>\r\n"
      "\t<!-- a comment -->\r\n"
      "\t<key>Blob</"
      "key>\r\n\t<data>\r\n\tAAECAwQFBgcICQoLDA0ODxAREhMUFRYXGBkaGxwdHh8gISIjJCUmJygpKissLS4v\r\n"
      "\tMDEyMw==\r\n\t</data>\r\n"
      "\t<key>When</key>\r\n\t<date>2019-12-31T23:59:59Z</date>\r\n"
      "\t<key>Name</key>\r\n\t<string>caf&#xE9; &lt;&amp;&gt;</string>\r\n"
      "\t<key>Ratio</key>\r\n\t<real>0.5</real>\r\n"
      "\t<key>Count</key>\r\n\t<integer>42</integer>\r\n"
      "</dict>\r\n</plist>\r\n";
  auto dict = load(text);
  ASSERT_TRUE(dict);
  EXPECT_EQ(dict->Value("Flag"), Variant(true));
  std::string expected;
  for (int i = 0; i < 52; ++i) expected += static_cast<char>(i);
  EXPECT_EQ(dict->Value("Blob").ObjectAs<MemoryBlock>()->StringValue(), expected);
  EXPECT_TRUE(dict->Value("When").DateValue());
  EXPECT_EQ(dict->Value("Name"), Variant("caf\xC3\xA9 <&>"));
  EXPECT_EQ(dict->Value("Ratio"), Variant(0.5));
  EXPECT_EQ(dict->Value("Count"), Variant(42));
}

TEST(Reader, HostileInputFailsInOrder) {
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<array>";
  for (int i = 0; i < 100000; ++i) deep += "</array>";
  EXPECT_FALSE(load(xmldict("<key>k</key>" + deep)));

  auto nested = [](int levels) {
    std::string s;
    for (int i = 0; i < levels; ++i) s += "<array>";
    for (int i = 0; i < levels; ++i) s += "</array>";
    return xmldict("<key>k</key>" + s);
  };
  EXPECT_TRUE(load(nested(XMLDictionary::kMaxDepth - 1)));
  EXPECT_FALSE(load(nested(XMLDictionary::kMaxDepth)));

  const std::string refused[] = {
      // An entity declared in the document is never expanded.
      "<!DOCTYPE x [<!ENTITY big \"boom\">]><xmldict><key>k</key><string>&big;</string></xmldict>",
      // External entities are never loaded.
      "<!DOCTYPE x [<!ENTITY ext SYSTEM "
      "\"file:///etc/passwd\">]><xmldict><key>k</key><string>&ext;</string></xmldict>",
      xmldict("<key>k</key><string>&undeclared;</string>"),
      xmldict("<key>k</key><string>a & b</string>"),
      xmldict("<key>k</key><string>&#0;</string>"),
      // An integer beyond 64 bits could not be saved back unchanged.
      xmldict("<key>k</key><integer>9223372036854775808</integer>"),
      xmldict("<key>k</key><integer>-9223372036854775809</integer>"),
      xmldict("<key>k</key><integer>99999999999999999999</integer>"),
  };
  for (const std::string& text : refused) EXPECT_FALSE(load(text)) << text;
  // A declared entity that is never used does no harm.
  EXPECT_TRUE(load("<!DOCTYPE x [<!ENTITY big \"boom\">]><xmldict><key>k</key><true/></xmldict>"));
}

TEST(Reader, NoDictionaryFileOrRootRaises) {
  EXPECT_THROW(XMLDictionary::LoadXML(nullptr, xmldict("")), NilObjectException);
  EXPECT_THROW(XMLDictionary::LoadXML(std::make_shared<Dictionary>(), std::shared_ptr<FolderItem>()),
               NilObjectException);
  EXPECT_THROW(XMLDictionary::LoadXML(std::make_shared<Dictionary>(), XmlDocument()), NilObjectException);
}

TEST(Reader, FileEntry) {
  QTemporaryDir dir;
  const std::string base = dir.path().toStdString();
  auto dict = std::make_shared<Dictionary>();
  EXPECT_FALSE(XMLDictionary::LoadXML(dict, std::make_shared<FolderItem>(base + "/missing.xml")));
  EXPECT_FALSE(XMLDictionary::LoadXML(dict, std::make_shared<FolderItem>(base)));
  auto file = std::make_shared<FolderItem>(base + "/s.xml");
  auto source = std::make_shared<Dictionary>();
  source->SetValue("k", Variant("v"));
  ASSERT_TRUE(XMLDictionary::SaveXML(source, file, false));
  ASSERT_TRUE(XMLDictionary::LoadXML(dict, file));
  EXPECT_EQ(dict->Value("k"), Variant("v"));
}

// ---- Round trips

std::shared_ptr<Dictionary> roundTrip(const std::shared_ptr<Dictionary>& dict, bool asPlist) {
  auto back = std::make_shared<Dictionary>();
  EXPECT_TRUE(XMLDictionary::LoadXML(back, XMLDictionary::ExportXMLString(dict, asPlist)));
  return back;
}

bool sameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(RoundTrip, EveryValueKind) {
  auto inner = std::make_shared<Dictionary>();
  inner->SetValue("deep", Variant("er"));
  auto list = std::make_shared<Collection>();
  list->Add(Variant(1));
  list->Add(Variant("two"));
  list->Add(Variant(inner));
  std::string allBytes;
  for (int i = 0; i < 256; ++i) allBytes += static_cast<char>(i);

  auto dict = std::make_shared<Dictionary>();
  dict->SetValue("nil", Variant());
  dict->SetValue("int", Variant(-123456));
  dict->SetValue("date", Variant(std::make_shared<Date>(1999, 12, 31, 23, 59, 58)));
  dict->SetValue("text", Variant("  <tag> & \"quotes\" 'apos'\r\n\ttabs \xC3\xA9\x01 "));
  dict->SetValue("blank", Variant("   "));
  dict->SetValue("empty", Variant(""));
  dict->SetValue("", Variant("empty key"));
  dict->SetValue("yes", Variant(true));
  dict->SetValue("no", Variant(false));
  dict->SetValue("colour", Variant(Color::FromRGB(1, 2, 3, 4)));
  dict->SetValue("black", Variant(Color{0}));
  dict->SetValue("bytes", Variant(std::make_shared<MemoryBlock>(allBytes)));
  dict->SetValue("file", Variant(std::make_shared<FolderItem>("/tmp/it's a -name ~with spaces")));
  dict->SetValue("list", Variant(list));
  dict->SetValue(7, Variant("integer key"));

  auto back = roundTrip(dict, false);
  ASSERT_EQ(back->Count(), dict->Count());
  for (std::int64_t i = 0; i < dict->Count(); ++i) {
    const Variant key(dict->Key(i).StringValue());  // keys come back as text
    ASSERT_TRUE(back->HasKey(key)) << key.StringValue();
    const Variant& original = dict->ValueAt(i);
    const Variant& read = back->Value(key);
    EXPECT_EQ(VarType(read), VarType(original)) << key.StringValue();
    if (!original.IsObject()) {
      EXPECT_EQ(read, original) << key.StringValue();
    }
  }
  EXPECT_EQ(back->Value("date").DateValue()->SQLDateTime(), "1999-12-31 23:59:58");
  EXPECT_EQ(back->Value("bytes").ObjectAs<MemoryBlock>()->StringValue(), allBytes);
  EXPECT_EQ(back->Value("file").ObjectAs<FolderItem>()->NativePath(), "/tmp/it's a -name ~with spaces");
  const auto backList = back->Value("list").ObjectAs<Collection>();
  ASSERT_EQ(backList->Count(), 3);
  EXPECT_EQ(backList->Item(3).ObjectAs<Dictionary>()->Value("deep"), Variant("er"));
  EXPECT_EQ(back->Value("7"), Variant("integer key"));
}

TEST(RoundTrip, DoublesBitForBit) {
  const double values[] = {0.1,
                           1e-20,
                           1e300,
                           -0.0,
                           0.0,
                           1.0 / 3.0,
                           -2.5e-308,
                           4.9e-324,
                           1.7976931348623157e308,
                           123456789012345678.0,
                           INFINITY,
                           -INFINITY};
  for (const double value : values) {
    auto dict = std::make_shared<Dictionary>();
    dict->SetValue("r", Variant(value));
    const Variant read = roundTrip(dict, false)->Value("r");
    EXPECT_EQ(VarType(read), VarTypes::kDouble);
    EXPECT_TRUE(sameBits(read.DoubleValue(), value)) << value;
  }
}

TEST(RoundTrip, IntegersKeep64Bits) {
  auto dict = std::make_shared<Dictionary>();
  dict->SetValue("small", Variant(static_cast<std::int64_t>(-7)));
  dict->SetValue("big", Variant(static_cast<std::int64_t>(1) << 40));
  auto back = roundTrip(dict, false);
  EXPECT_EQ(back->Value("small"), Variant(-7));
  EXPECT_EQ(back->Value("big"), Variant(static_cast<std::int64_t>(1) << 40));
}

TEST(RoundTrip, PropertyListTurnsWhatItCannotCarryIntoFalse) {
  auto dict = std::make_shared<Dictionary>();
  dict->SetValue("nil", Variant());
  dict->SetValue("file", Variant(std::make_shared<FolderItem>("/tmp")));
  dict->SetValue("colour", Variant(Color{5}));
  dict->SetValue("text", Variant("kept"));
  auto back = roundTrip(dict, true);
  EXPECT_EQ(back->Value("nil"), Variant(false));
  EXPECT_EQ(back->Value("file"), Variant(false));
  EXPECT_EQ(back->Value("colour"), Variant(false));
  EXPECT_EQ(back->Value("text"), Variant("kept"));
}

}  // namespace
