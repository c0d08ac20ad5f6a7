// The XML document model: building, whitespace, escaping, and what it refuses to parse.
#include "platform/Xml.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/Exceptions.h"

namespace {

TEST(Xml, BuildsDetachedElementsAndSerialisesExactText) {
  XmlDocument doc;
  XmlNode root = doc.CreateElement("root");
  XmlNode child = doc.CreateElement("child");
  EXPECT_TRUE(child.Parent().IsNull());
  child.AppendChild(doc.CreateTextNode("a<b&c>d\r\n\t\x01 "));
  root.AppendChild(child);
  EXPECT_EQ(child.Parent(), root);
  doc.AppendChild(root);
  root.SetAttribute("version", "1 \"&\" <");
  root.Insert(doc.CreateTextNode("\n\t"), child);
  doc.Insert(doc.CreateTextNode("\n"), root);
  root.AppendChild(doc.CreateElement("empty"));
  root.AppendChild(doc.CreateElement("blank")).AppendChild(doc.CreateTextNode(""));
  EXPECT_EQ(root.Parent(), doc);
  EXPECT_EQ(child.OwnerDocument(), doc);
  EXPECT_EQ(doc.ToString(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<root version=\"1 &quot;&amp;&quot; &lt;\">\n\t<child>a&lt;b&amp;c&gt;d&#13;\n\t&#1; </child>"
            "<empty/><blank></blank></root>");
  EXPECT_EQ(doc.ChildCount(), 2);
  EXPECT_EQ(doc.DocumentElement(), root);

  XmlDocument back;
  back.SetPreserveWhitespace(true);
  back.LoadXml(doc.ToString());
  EXPECT_EQ(back.DocumentElement().GetAttribute("version"), "1 \"&\" <");
  EXPECT_EQ(back.DocumentElement().FirstChild().NextSibling().FirstChild().Value(), "a<b&c>d\r\n\t\x01 ");
}

TEST(Xml, InvalidOperationsRaise) {
  XmlDocument doc;
  XmlDocument other;
  EXPECT_THROW(doc.CreateElement(""), XmlException);
  EXPECT_THROW(doc.CreateElement("a b"), XmlException);
  XmlNode a = doc.AppendChild(doc.CreateElement("a"));
  XmlNode b = a.AppendChild(doc.CreateElement("b"));
  EXPECT_THROW(b.AppendChild(a), XmlException);  // an ancestor
  EXPECT_THROW(a.AppendChild(other.CreateElement("x")), XmlException);
  EXPECT_THROW(b.Insert(doc.CreateTextNode("x"), a), XmlException);  // a is not b's child
  EXPECT_THROW(XmlNode().Name(), NilObjectException);
}

TEST(Xml, PreserveWhitespaceKeepsBlankText) {
  const std::string text = "<r> <s>   </s>\n</r>";
  XmlDocument kept;
  kept.SetPreserveWhitespace(true);
  kept.LoadXml(text);
  EXPECT_EQ(kept.DocumentElement().ChildCount(), 3);
  EXPECT_EQ(kept.DocumentElement().Child(1).FirstChild().Value(), "   ");
  XmlDocument dropped;
  dropped.LoadXml(text);
  EXPECT_EQ(dropped.DocumentElement().ChildCount(), 1);
  EXPECT_TRUE(dropped.DocumentElement().Child(0).FirstChild().IsNull());
}

TEST(Xml, ParsingRefusesWhatIsNotWellFormedOrExpandsEntities) {
  const char* refused[] = {"",
                           "plain text",
                           "<a>",
                           "<a></b>",
                           "<a>&nbsp;</a>",
                           "<a>&</a>",
                           "<a x=\"&ext;\"/>",
                           "<a>&#xD800;</a>",
                           "<a>&#;</a>",
                           "<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>",
                           "<a/><b/>",
                           "<a/>trailing text",
                           "text first<a/>",
                           "<a/><![CDATA[x]]>"};
  for (const char* text : refused) {
    XmlDocument doc;
    EXPECT_THROW(doc.LoadXml(text), XmlException) << text;
  }
  const char* accepted[] = {"<a>&lt;&gt;&amp;&apos;&quot;&#65;&#x42;</a>", "<a><![CDATA[&raw;]]></a>",
                            "<!-- &c; --><a/>", "<?pi &x;?><a/>", "\xEF\xBB\xBF<a/>"};
  for (const char* text : accepted) {
    for (const bool preserve : {false, true}) {
      XmlDocument doc;
      doc.SetPreserveWhitespace(preserve);
      EXPECT_NO_THROW(doc.LoadXml(std::string(text) + " \r\n<!-- after -->\n")) << text;
    }
  }
}

// Each character of latin1 as one code unit of width bytes, in either byte order.
std::string wide(const std::string& latin1, int width, bool bigEndian) {
  std::string out;
  for (const char c : latin1) {
    std::string unit(static_cast<std::size_t>(width), '\0');
    unit[bigEndian ? unit.size() - 1 : 0] = c;
    out += unit;
  }
  return out;
}

TEST(Xml, TextInOtherEncodingsIsReadAsUtf8) {
  const std::string refs = "<a>Tom &amp; Jerry, caf&#xE9;&#233;</a>";
  const std::string refsRead = "Tom & Jerry, caf\xC3\xA9\xC3\xA9";
  const std::string undeclared = "<a>Tom &and; Jerry</a>";
  const std::string bare = "<a>Tom & Jerry</a>";
  struct Row {
    std::string text;
    std::optional<std::string> read;  // nothing: refused
  };
  const Row rows[] = {
      {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>caf\xE9</a>", "caf\xC3\xA9"},
      {"\xFF\xFE" + wide("<a>caf\xE9</a>", 2, false), "caf\xC3\xA9"},
      {"\xEF\xBB\xBF<a>caf\xC3\xA9</a>", "caf\xC3\xA9"},
      // References are read in the document's encoding, and refused there as in UTF-8.
      {"\xFF\xFE" + wide(refs, 2, false), refsRead},
      {"\xFE\xFF" + wide(refs, 2, true), refsRead},
      {wide(refs, 2, true), refsRead},
      {wide(refs, 2, false), refsRead},
      {std::string("\xFF\xFE\0\0", 4) + wide(refs, 4, false), refsRead},
      {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + refs, refsRead},
      {"\xFF\xFE" + wide(undeclared, 2, false), std::nullopt},
      {wide(undeclared, 2, true), std::nullopt},
      {"\xFF\xFE" + wide(bare, 2, false), std::nullopt},
      {std::string("\xFF\xFE\0\0", 4) + wide(undeclared, 4, false), std::nullopt},
  };
  for (const Row& row : rows) {
    XmlDocument doc;
    if (!row.read) {
      EXPECT_THROW(doc.LoadXml(row.text), XmlException) << row.text;
      continue;
    }
    doc.LoadXml(row.text);
    EXPECT_EQ(doc.DocumentElement().FirstChild().Value(), *row.read) << row.text;
  }
}

TEST(Xml, DeepDocumentsParseAndPrintWithoutRecursion) {
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<a>";
  for (int i = 0; i < 100000; ++i) deep += "</a>";
  XmlDocument doc;
  doc.LoadXml(deep);
  EXPECT_EQ(doc.DocumentElement().ToString().size(), deep.size() - 3);  // the innermost is written <a/>
}

}  // namespace
