// The accepted file types: the fixed filter text, the registry in build order, the extensions
// the open dialog offers.
#include <gtest/gtest.h>

#include <set>

#include "app/FileTypes1.h"
#include "platform/FileType.h"

namespace {

const std::string kAll =
    "text/plain;text/html;text/richtext;text/tab-separated-values;text/x-html-insertion;text/x-setext;"
    "text/x-usenet-faq;text/csv";

// Runs first in this program: nothing is built yet.
TEST(FileTypes1, BeforeInitialisingTheFilterIsFixedAndNoTypeExists) {
  EXPECT_EQ(FileTypes1::All(), kAll);
  EXPECT_EQ(FileTypes1::All().size(), 123u);
  EXPECT_EQ(FileTypes1::Text(), nullptr);
  EXPECT_EQ(FileTypes1::TextCSV(), nullptr);
  EXPECT_TRUE(FileTypeRegistry::All().empty());
}

TEST(FileTypes1, InitialisingRegistersTheEightTypesInTheOrderOfTheFilter) {
  FileTypes1::_Initialize();
  EXPECT_EQ(FileTypes1::All(), kAll);
  const auto& registered = FileTypeRegistry::All();
  ASSERT_EQ(registered.size(), 8u);
  std::string joined;
  for (const auto& type : registered) joined += (joined.empty() ? "" : ";") + type->Name;
  EXPECT_EQ(joined, kAll);
  EXPECT_EQ(registered.front(), FileTypes1::Text());
  EXPECT_EQ(registered.back(), FileTypes1::TextCSV());
  EXPECT_EQ(FileTypes1::TextCSV(), FileTypes1::TextCSV());

  std::set<std::string> seen;
  int withUti = 0;
  for (const auto& type : registered) {
    for (const std::string& extension : type->ExtensionList())
      EXPECT_TRUE(seen.insert(extension).second) << extension;
    EXPECT_TRUE(type->MimeType.empty());
    EXPECT_TRUE(type->ConformsTo.empty());
    EXPECT_TRUE(type->Imported);
    withUti += !type->UTI.empty();
  }
  EXPECT_EQ(withUti, 3);
  EXPECT_EQ(FileTypes1::Text()->ExtensionList().size(), 17u);
  EXPECT_TRUE(FileTypes1::TextRichtext()->UTI.empty());
  EXPECT_EQ(FileTypes1::TextXUsenetFaq()->MacCreator, "text");
}

TEST(FileTypes1, TheOpenDialogOffersEveryListedExtension) {
  FileTypes1::_Initialize();
  const auto filters = FileTypeRegistry::DialogFilters(FileTypes1::All());
  ASSERT_EQ(filters.size(), 9u);  // all text types together, then one per type
  for (const char* pattern : {"*.txt", "*.csv", "*.tsv", "*.html", "*.faq", "*.qhtm", "*.etx", "*.rtx"}) {
    EXPECT_NE(filters.front().find(pattern), std::string::npos) << pattern;
  }
  EXPECT_EQ(filters.back(), "text/csv (*.csv)");
}

}  // namespace
