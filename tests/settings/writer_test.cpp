// Byte-exact documents from the XML dictionary writer, and its storage walk.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <string>

#include "platform/Collection.h"
#include "platform/Date.h"
#include "platform/Exceptions.h"
#include "platform/FolderItem.h"
#include "platform/MemoryBlock.h"
#include "settings/XMLDictionary.h"
#include "settings/XMLDictionaryPrivate.h"

namespace {

using namespace XMLDictionary::detail;

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
const std::string kXmlDictHead = kDecl + XMLDictionary::kXmlDictDoctype + "\n" + "<xmldict version=\"1.1\">";
const std::string kPlistHead = kDecl + XMLDictionary::kPlistDoctype + "\n" + "<plist version=\"1.0\">";

std::shared_ptr<Dictionary> dictOf(std::initializer_list<std::pair<Variant, Variant>> entries) {
  auto dict = std::make_shared<Dictionary>();
  for (const auto& [key, value] : entries) dict->SetValue(key, value);
  return dict;
}

std::string bytes(int count) {
  std::string data;
  for (int i = 0; i < count; ++i) data += static_cast<char>(i);
  return data;
}

TEST(Writer, EmptyDictionaryBothKinds) {
  auto dict = std::make_shared<Dictionary>();
  EXPECT_EQ(XMLDictionary::ExportXMLString(dict, false), kXmlDictHead + "\n</xmldict>\n");
  EXPECT_EQ(XMLDictionary::ExportXMLString(dict, true), kPlistHead + "\n<dict>\n</dict>\n</plist>\n");
}

TEST(Writer, SettingsExampleLineForLine) {
  const std::string path = "/home/alex/Documents/Split results for the quarterly sales export files";
  auto dict = dictOf({{"outputFolder", Variant(std::make_shared<FolderItem>(path))}});
  EXPECT_EQ(XMLDictionary::ExportXMLString(dict, false),
            kXmlDictHead +
                "\n"
                "\t<key>outputFolder</key>\n"
                "\t<file>\n"
                "\tL2hvbWUvYWxleC9Eb2N1bWVudHMvU3BsaXQgcmVzdWx0c\n"
                "\tyBmb3IgdGhlIHF1YXJ0ZXJseSBzYWxlcyBleHBvcnQgZm\n"
                "\tlsZXM=\n"
                "\t</file>\n"
                "</xmldict>\n");
}

TEST(Writer, EveryScalarKind) {
  auto dict = dictOf({{"nil", Variant()},
                      {"int", Variant(-42)},
                      {"big", Variant(static_cast<std::int64_t>(1) << 40)},
                      {"real", Variant(2.5)},
                      {"whole", Variant(3.0)},
                      {"date", Variant(std::make_shared<Date>(2020, 2, 29, 13, 5, 9))},
                      {"text", Variant("a < b & c > d")},
                      {"yes", Variant(true)},
                      {"no", Variant(false)},
                      {"red", Variant(Color::FromRGB(255, 0, 0))},
                      {3, Variant("three")},
                      {"other", Variant(std::make_shared<Object>())}});
  EXPECT_EQ(XMLDictionary::ExportXMLString(dict, false),
            kXmlDictHead +
                "\n"
                "\t<key>nil</key>\n\t<null/>\n"
                "\t<key>int</key>\n\t<integer>-42</integer>\n"
                "\t<key>big</key>\n\t<integer>1099511627776</integer>\n"
                "\t<key>real</key>\n\t<real>2.5</real>\n"
                "\t<key>whole</key>\n\t<real>3.0</real>\n"
                "\t<key>date</key>\n\t<date>2020-02-29 13:05:09</date>\n"
                "\t<key>text</key>\n\t<string>a &lt; b &amp; c &gt; d</string>\n"
                "\t<key>yes</key>\n\t<true/>\n"
                "\t<key>no</key>\n\t<false/>\n"
                "\t<key>red</key>\n\t<color>#FF0000</color>\n"
                "\t<key>3</key>\n\t<string>three</string>\n"
                "\t<key>other</key>\n\t<null/>\n"
                "</xmldict>\n");
}

TEST(Writer, PropertyListWritesFalseForWhatItCannotCarry) {
  auto dict = dictOf({{"nil", Variant()},
                      {"file", Variant(std::make_shared<FolderItem>("/tmp"))},
                      {"red", Variant(Color::FromRGB(255, 0, 0))},
                      {"other", Variant(std::make_shared<Object>())},
                      {"yes", Variant(true)}});
  EXPECT_EQ(XMLDictionary::ExportXMLString(dict, true), kPlistHead +
                                                            "\n<dict>\n"
                                                            "\t<key>nil</key>\n\t<false/>\n"
                                                            "\t<key>file</key>\n\t<false/>\n"
                                                            "\t<key>red</key>\n\t<false/>\n"
                                                            "\t<key>other</key>\n\t<false/>\n"
                                                            "\t<key>yes</key>\n\t<true/>\n"
                                                            "</dict>\n</plist>\n");
}

TEST(Writer, NestedContainersAndData) {
  auto list = std::make_shared<Collection>();
  list->Add(Variant(1));
  list->Add(Variant(std::make_shared<Collection>()));
  list->Add(Variant(dictOf({{"k", Variant("v")}})));
  auto dict = dictOf({{"list", Variant(list)},
                      {"empty", Variant(std::make_shared<Dictionary>())},
                      {"d44", Variant(std::make_shared<MemoryBlock>(bytes(33)))},
                      {"d48", Variant(std::make_shared<MemoryBlock>(bytes(34)))},
                      {"d0", Variant(std::make_shared<MemoryBlock>())}});
  EXPECT_EQ(XMLDictionary::ExportXMLString(dict, false),
            kXmlDictHead +
                "\n"
                "\t<key>list</key>\n"
                "\t<array>\n"
                "\t\t<integer>1</integer>\n"
                "\t\t<array>\n\t\t</array>\n"
                "\t\t<dict>\n\t\t\t<key>k</key>\n\t\t\t<string>v</string>\n\t\t</dict>\n"
                "\t</array>\n"
                "\t<key>empty</key>\n"
                "\t<dict>\n\t</dict>\n"
                "\t<key>d44</key>\n"
                "\t<data>\n\tAAECAwQFBgcICQoLDA0ODxAREhMUFRYXGBkaGxwdHh8g\n\t</data>\n"
                "\t<key>d48</key>\n"
                "\t<data>\n\tAAECAwQFBgcICQoLDA0ODxAREhMUFRYXGBkaGxwdHh8gI\n\tQ==\n\t</data>\n"
                "\t<key>d0</key>\n"
                "\t<data>\n\t</data>\n"
                "</xmldict>\n");
}

TEST(Writer, ContainerMetTwiceIsWrittenOnceAndCyclesEnd) {
  auto shared = dictOf({{"x", Variant(1)}});
  auto dict = dictOf({{"a", Variant(shared)}, {"b", Variant(shared)}});
  dict->SetValue("self", Variant(dict));
  EXPECT_EQ(XMLDictionary::ExportXMLString(dict, false),
            kXmlDictHead +
                "\n"
                "\t<key>a</key>\n\t<dict>\n\t\t<key>x</key>\n\t\t<integer>1</integer>\n\t</dict>\n"
                "\t<key>b</key>\n\t<dict>\n\t</dict>\n"
                "\t<key>self</key>\n\t<dict>\n\t</dict>\n"
                "</xmldict>\n");
  dict->Remove("self");  // break the cycle so the dictionary can be freed
}

TEST(Writer, RealsAreShortestExactText) {
  struct Row {
    double value;
    const char* text;
  };
  const Row rows[] = {{0.1, "0.1"},       {-0.0, "-0.0"}, {1e-20, "0.00000000000000000001"},
                      {-12.75, "-12.75"}, {0.0, "0.0"},   {123456789.125, "123456789.125"}};
  for (const Row& row : rows) {
    auto dict = dictOf({{"r", Variant(row.value)}});
    const std::string text = XMLDictionary::ExportXMLString(dict, false);
    EXPECT_NE(text.find(std::string("<real>") + row.text + "</real>"), std::string::npos) << row.text;
  }
}

TEST(Writer, NoDictionaryOrFileRaises) {
  EXPECT_THROW(XMLDictionary::ExportXMLString(nullptr, false), NilObjectException);
  EXPECT_THROW(XMLDictionary::SaveXML(std::make_shared<Dictionary>(), nullptr, false), NilObjectException);
}

TEST(Writer, SaveXMLWritesAndRefusesUncreatableFiles) {
  QTemporaryDir dir;
  const std::string base = dir.path().toStdString();
  auto dict = dictOf({{"k", Variant("v")}});
  auto file = std::make_shared<FolderItem>(base + "/out.xml");
  ASSERT_TRUE(XMLDictionary::SaveXML(dict, file, false));
  QFile written(QString::fromStdString(file->NativePath()));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll().toStdString(), XMLDictionary::ExportXMLString(dict, false));

  EXPECT_FALSE(XMLDictionary::SaveXML(dict, std::make_shared<FolderItem>(base + "/missing/x.xml"), false));
  EXPECT_FALSE(XMLDictionary::SaveXML(dict, std::make_shared<FolderItem>(base), false));
}

TEST(Writer, SaveXMLFailureLeavesOldFileIntact) {
  QTemporaryDir dir;
  auto file = std::make_shared<FolderItem>(dir.path().toStdString() + "/settings.xml");
  auto old = dictOf({{"old", Variant(1)}});
  ASSERT_TRUE(XMLDictionary::SaveXML(old, file, false));

  // A disk that fills up mid-write: a file-size limit makes the write fail part-way.
  auto big = dictOf({{"big", Variant(std::string(100000, 'x'))}});
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool savedBig = XMLDictionary::SaveXML(big, file, false);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(savedBig);
  QFile written(QString::fromStdString(file->NativePath()));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll().toStdString(), XMLDictionary::ExportXMLString(old, false));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"settings.xml"});
}

// levels containers under the top dictionary, dictionaries and arrays in turn, text at the bottom.
std::shared_ptr<Dictionary> nestedBelowTop(int levels) {
  Variant inner("bottom");
  for (int i = levels; i > 0; --i) {
    if (i % 2 == 1) {
      inner = Variant(dictOf({{"in", inner}}));
    } else {
      auto list = std::make_shared<Collection>();
      list->Add(inner);
      inner = Variant(list);
    }
  }
  return dictOf({{"in", inner}});
}

TEST(Writer, SavesNoNestingTheReaderRefuses) {
  QTemporaryDir dir;
  auto file = std::make_shared<FolderItem>(dir.path().toStdString() + "/settings.xml");
  const auto fileText = [&] {
    QFile written(QString::fromStdString(file->NativePath()));
    return written.open(QIODevice::ReadOnly) ? written.readAll().toStdString() : std::string();
  };
  for (const bool plist : {false, true}) {
    // The top dictionary is the first level.
    ASSERT_TRUE(XMLDictionary::SaveXML(nestedBelowTop(XMLDictionary::kMaxDepth - 1), file, plist));
    auto back = std::make_shared<Dictionary>();
    ASSERT_TRUE(XMLDictionary::LoadXML(back, file)) << plist;
    int levels = 0;
    Variant v = back->Value("in");
    for (; v.IsObject(); ++levels) v = StorageValue(v, 0);
    EXPECT_EQ(levels, XMLDictionary::kMaxDepth - 1);
    EXPECT_EQ(v, Variant("bottom"));

    const std::string saved = fileText();
    EXPECT_FALSE(XMLDictionary::SaveXML(nestedBelowTop(XMLDictionary::kMaxDepth), file, plist)) << plist;
    EXPECT_TRUE(fileText() == saved) << "the old file was changed";
  }
}

TEST(Storage, AccessByKind) {
  auto dict = dictOf({{"a", Variant(1)}, {"b", Variant(2)}});
  auto list = std::make_shared<Collection>();
  list->Add(Variant("first"));
  list->Add(Variant("second"));
  for (const Variant& none :
       {Variant(), Variant(5), Variant("text"), Variant(std::make_shared<MemoryBlock>("xyz"))}) {
    EXPECT_EQ(StorageCount(none), 0);
    EXPECT_TRUE(StorageByKey(none, "a").IsNil());
    StoreValue("a", Variant(1), none);  // takes nothing, raises nothing
  }
  EXPECT_EQ(StorageCount(Variant(dict)), 2);
  EXPECT_EQ(StorageKey(Variant(dict), 1), Variant("b"));
  EXPECT_EQ(StorageValue(Variant(dict), 1), Variant(2));
  EXPECT_TRUE(StorageByKey(Variant(dict), "zz").IsNil());

  EXPECT_EQ(StorageCount(Variant(list)), 2);
  EXPECT_TRUE(StorageKey(Variant(list), 0).IsNil());
  EXPECT_EQ(StorageValue(Variant(list), 0), Variant("first"));
  EXPECT_TRUE(StorageByKey(Variant(list), "first").IsNil());

  StoreValue(Variant(), Variant(9), Variant(dict));
  EXPECT_EQ(dict->Count(), 2);
  StoreValue("a", Variant(7), Variant(dict));
  StoreValue("a", Variant(8), Variant(dict));
  EXPECT_EQ(dict->Count(), 2);
  EXPECT_EQ(dict->Value("a"), Variant(8));
  StoreValue("ignored", Variant("third"), Variant(list));
  EXPECT_EQ(list->Count(), 3);
  EXPECT_EQ(list->Item(3), Variant("third"));
}

}  // namespace
