#include "settings/XMLDictionary.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/Base64.h"
#include "platform/BinaryStream.h"
#include "platform/Collection.h"
#include "platform/Date.h"
#include "platform/Exceptions.h"
#include "platform/MemoryBlock.h"
#include "platform/TextFunctions.h"
#include "platform/TextInputStream.h"
#include "settings/XMLDictionaryPrivate.h"

namespace XMLDictionary {

using namespace detail;

namespace {

constexpr const char* kRealPattern = "-#.0##############";

void requireDictionary(const std::shared_ptr<Dictionary>& dict) {
  if (!dict) throw NilObjectException("XMLDictionary called on no Dictionary");
}

// Base64 text broken at every CR LF; no lines for no bytes.
std::vector<std::string> base64Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  const std::string encoded = EncodeBase64(bytes, 45);
  std::size_t start = 0;
  while (start < encoded.size()) {
    const std::size_t end = encoded.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(encoded.substr(start));
      break;
    }
    lines.push_back(encoded.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

void appendBase64Lines(XmlDocument& doc, XmlNode element, const std::string& bytes, std::int64_t depth) {
  for (const std::string& line : base64Lines(bytes)) {
    XmlNode text = element.AppendChild(doc.CreateTextNode(line));
    IndentNode(text, depth, false);
  }
}

XmlNode textElement(XmlDocument& doc, const char* name, const std::string& text) {
  XmlNode element = doc.CreateElement(name);
  element.AppendChild(doc.CreateTextNode(text));
  return element;
}

// The leading number of contents in the forms Val reads (blanks and tabs, a sign, digits, a point,
// an exponent), truncated toward zero. Worked out on the digits, not through a double, so that
// every 64-bit integer text reads back exactly. 0 when contents does not begin with a number;
// raises XmlException when the value lies outside 64 bits, as the next save would change it.
std::int64_t integerContents(const std::string& contents) {
  const auto isDigit = [&](std::size_t i) {
    return i < contents.size() && contents[i] >= '0' && contents[i] <= '9';
  };
  std::size_t at = 0;
  while (at < contents.size() && (contents[at] == ' ' || contents[at] == '\t')) ++at;
  bool negative = false;
  if (at < contents.size() && (contents[at] == '+' || contents[at] == '-')) negative = contents[at++] == '-';
  std::string digits;  // those before and after the point, without it
  while (isDigit(at)) digits += contents[at++];
  auto wholeDigits = static_cast<std::int64_t>(digits.size());
  if (at < contents.size() && contents[at] == '.')
    while (isDigit(++at)) digits += contents[at];
  if (digits.empty()) return 0;
  // An exponent counts only when a digit follows its sign, as for Val.
  if (at < contents.size() && (contents[at] == 'e' || contents[at] == 'E')) {
    std::size_t e = at + 1;
    const bool down = e < contents.size() && contents[e] == '-';
    if (e < contents.size() && (contents[e] == '+' || contents[e] == '-')) ++e;
    std::int64_t exponent = 0;
    // Capped: a shift this large already gives 0 or a value beyond 64 bits.
    for (; isDigit(e); ++e)
      exponent = std::min<std::int64_t>(exponent * 10 + (contents[e] - '0'), 1000000000);
    wholeDigits += down ? -exponent : exponent;
  }
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  wholeDigits -= static_cast<std::int64_t>(first);
  if (wholeDigits <= 0) return 0;
  // Nineteen digits hold every 64-bit magnitude; twenty or more lie beyond it.
  if (wholeDigits > 19) throw XmlException("Integer beyond 64 bits: " + contents);
  std::string whole = digits.substr(first, static_cast<std::size_t>(wholeDigits));
  whole.resize(static_cast<std::size_t>(wholeDigits), '0');
  std::uint64_t magnitude = 0;
  std::from_chars(whole.data(), whole.data() + whole.size(), magnitude);
  const std::uint64_t limit = static_cast<std::uint64_t>(INT64_MAX) + (negative ? 1 : 0);
  if (magnitude > limit) throw XmlException("Integer beyond 64 bits: " + contents);
  return negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
}

double realContents(const std::string& contents) {
  // The writer spells infinities and NaN this way; Val alone would read them as 0.
  if (contents == "inf") return HUGE_VAL;
  if (contents == "-inf") return -HUGE_VAL;
  if (contents == "nan") return std::nan("");
  return Val(contents);
}

}  // namespace

// ---- Storage access

namespace detail {

std::int64_t StorageCount(const Variant& storage) {
  if (!storage.IsObject()) return 0;
  if (const auto dict = storage.ObjectAs<Dictionary>()) return dict->Count();
  if (const auto list = storage.ObjectAs<Collection>()) return list->Count();
  return 0;
}

Variant StorageKey(const Variant& storage, std::int64_t i) {
  if (!storage.IsObject()) return Variant();
  if (const auto dict = storage.ObjectAs<Dictionary>()) return dict->Key(i);
  return Variant();
}

Variant StorageValue(const Variant& storage, std::int64_t i) {
  if (!storage.IsObject()) return Variant();
  if (const auto dict = storage.ObjectAs<Dictionary>()) return dict->ValueAt(i);
  if (const auto list = storage.ObjectAs<Collection>()) return list->Item(i + 1);
  return Variant();
}

Variant StorageByKey(const Variant& storage, const Variant& key) {
  if (!storage.IsObject()) return Variant();
  if (const auto dict = storage.ObjectAs<Dictionary>()) return dict->Lookup(key, Variant());
  return Variant();
}

void StoreValue(const Variant& key, const Variant& value, const Variant& storage) {
  if (!storage.IsObject()) return;
  if (const auto dict = storage.ObjectAs<Dictionary>()) {
    if (!key.IsNil()) dict->SetValue(key, value);
    return;
  }
  if (const auto list = storage.ObjectAs<Collection>()) list->Add(value, "");
}

// ---- Writer

void IndentNode(XmlNode node, std::int64_t depth, bool closing) {
  std::string ws = EndOfLine();
  if (depth > 0) ws.append(static_cast<std::size_t>(depth), '\t');
  XmlNode parent = node.Parent();
  if (parent.IsNull()) throw NilObjectException("IndentNode: the node has no parent");
  XmlDocument doc = node.OwnerDocument();
  parent.Insert(doc.CreateTextNode(ws), node);
  if (closing) node.AppendChild(doc.CreateTextNode(ws));
}

void ParseStorage(const Variant& storage, XmlNode node, bool plist) {
  SeenSet seen;
  ParseStorage(storage, node, seen, 1, plist);
}

void ParseStorage(const Variant& storage, XmlNode node, SeenSet& seen, std::int64_t depth, bool plist) {
  // The reader refuses a container this deep, even an empty one: such a file must not be written.
  if (depth > kMaxDepth) throw XmlException("Containers nested too deeply");
  // A container is written in full only where it first occurs; this also ends cycles.
  if (!seen.insert(storage).second) return;

  XmlDocument doc = node.OwnerDocument();
  const std::int64_t n = StorageCount(storage);
  for (std::int64_t i = 0; i < n; ++i) {
    const Variant key = StorageKey(storage, i);
    if (!key.IsNil()) {
      XmlNode keyElement = textElement(doc, "key", key.StringValue());
      node.AppendChild(keyElement);
      IndentNode(keyElement, depth, false);
    }

    const Variant v = StorageValue(storage, i);
    bool closing = false;
    XmlNode element;
    switch (v.Type()) {
      case VarTypes::kNil:
        element = doc.CreateElement(plist ? "false" : "null");
        break;
      case VarTypes::kInteger:
        element = textElement(doc, "integer", Str(v.Int64Value()));
        break;
      case VarTypes::kDouble:
        element = textElement(doc, "real", Format(v.DoubleValue(), kRealPattern));
        break;
      case VarTypes::kDate:
        element = textElement(doc, "date", v.StringValue());
        break;
      // Text is held as UTF-8 throughout, so it goes out as it is.
      case VarTypes::kString:
        element = textElement(doc, "string", v.StringValue());
        break;
      case VarTypes::kObject: {
        const std::shared_ptr<Object> object = v.ObjectValue();
        if (dynamic_cast<Dictionary*>(object.get()) != nullptr) {
          element = doc.CreateElement("dict");
          ParseStorage(v, element, seen, depth + 1, plist);
          closing = true;
        } else if (const auto* block = dynamic_cast<MemoryBlock*>(object.get())) {
          element = doc.CreateElement("data");
          appendBase64Lines(doc, element, block->StringValue(), depth);
          closing = true;
        } else if (dynamic_cast<Collection*>(object.get()) != nullptr) {
          element = doc.CreateElement("array");
          ParseStorage(v, element, seen, depth + 1, plist);
          closing = true;
        } else if (const auto* item = dynamic_cast<FolderItem*>(object.get()); item && !plist) {
          element = doc.CreateElement("file");
          appendBase64Lines(doc, element, item->GetSaveInfo(nullptr, 0), depth);
          closing = true;
        } else {
          element = doc.CreateElement(plist ? "false" : "null");
        }
        break;
      }
      case VarTypes::kBoolean:
        element = doc.CreateElement(v.BooleanValue() ? "true" : "false");
        break;
      case VarTypes::kColor:
        if (plist) {
          element = doc.CreateElement("false");
        } else {
          const Color colour = v.ColorValue().value_or(Color{});
          element = textElement(doc, "color", "#" + Hex(static_cast<std::int64_t>(colour.value)));
        }
        break;
      default:
        element = doc.CreateElement(plist ? "false" : "null");
        break;
    }
    node.AppendChild(element);
    IndentNode(element, depth, closing);
  }
}

}  // namespace detail

XmlDocument ExportXML(const std::shared_ptr<Dictionary>& dict, bool plist) {
  requireDictionary(dict);
  XmlDocument doc;
  if (plist) {
    XmlNode root = doc.AppendChild(doc.CreateElement("plist"));
    root.SetAttribute("version", "1.0");
    XmlNode dictElement = root.AppendChild(doc.CreateElement("dict"));
    ParseStorage(Variant(dict), dictElement, true);
    IndentNode(root, 0, true);
    IndentNode(dictElement, 0, true);
  } else {
    XmlNode root = doc.AppendChild(doc.CreateElement("xmldict"));
    root.SetAttribute("version", "1.1");
    ParseStorage(Variant(dict), root, false);
    IndentNode(root, 0, true);
  }
  doc.AppendChild(doc.CreateTextNode(EndOfLine()));
  return doc;
}

std::string ExportXMLString(const std::shared_ptr<Dictionary>& dict, bool plist) {
  const std::string s = ExportXML(dict, plist).ToString();
  const std::string& eol = EndOfLine();
  const std::string doctype = plist ? kPlistDoctype : kXmlDictDoctype;
  const std::size_t p = s.find(eol);
  // The DOCTYPE line goes right after the first line end (the declaration's line).
  const std::size_t split = p == std::string::npos ? 0 : p + eol.size();
  std::string text;
  text.reserve(s.size() + doctype.size() + eol.size());
  text.append(s, 0, split).append(doctype).append(eol).append(s, split, std::string::npos);
  return text;
}

bool SaveXML(const std::shared_ptr<Dictionary>& dict, const std::shared_ptr<FolderItem>& file, bool plist) {
  requireDictionary(dict);
  if (!file) throw NilObjectException("SaveXML: no file");
  // Built first, so a failure here leaves the file untouched.
  std::string text;
  try {
    text = ExportXMLString(dict, plist);
  } catch (const XmlException&) {
    return false;
  }
  std::unique_ptr<BinaryStream> stream = file->CreateBinaryFile("");
  if (!stream) return false;
  if (!stream->Write(text)) return false;
  return stream->Close();
}

// ---- Reader

namespace detail {

std::string NodeContents(const XmlNode& node) {
  XmlNode child = node.FirstChild();
  // The common case: one text node.
  if (!child.IsNull() && child.Type() == XmlNode::kTextNode && child.NextSibling().IsNull())
    return child.Value();
  std::string contents;
  for (; !child.IsNull(); child = child.NextSibling()) {
    const int type = child.Type();
    // A CDATA section is text written another way: its text, not its markup.
    if (type == XmlNode::kTextNode || type == XmlNode::kCDataNode)
      contents += child.Value();
    else
      contents += child.ToString();
  }
  return contents;
}

void ParseXML(const XmlNode& node, const Variant& storage, int depth) {
  if (depth > kMaxDepth) throw XmlException("Containers nested too deeply");
  Variant pending;
  for (XmlNode child = node.FirstChild(); !child.IsNull(); child = child.NextSibling()) {
    if (child.Type() != XmlNode::kElementNode) continue;
    const std::string name = child.Name();
    if (pending.IsNil() && name == "key") {
      pending = Variant(NodeContents(child));
      continue;
    }
    Variant value;
    bool matched = true;
    if (name == "null") {
      // value stays Nil
    } else if (name == "integer") {
      value = Variant(integerContents(NodeContents(child)));
    } else if (name == "real") {
      value = Variant(realContents(NodeContents(child)));
    } else if (name == "date") {
      // A text that names no date gives Nil rather than stopping the load.
      value = Variant(Variant(NodeContents(child)).DateValue());
    } else if (name == "string") {
      value = Variant(NodeContents(child));
    } else if (name == "dict") {
      // A dictionary already under the key takes the entries in; a list never holds one by key.
      Variant target = StorageByKey(storage, pending);
      if (!target.ObjectAs<Dictionary>()) target = Variant(std::make_shared<Dictionary>());
      ParseXML(child, target, depth + 1);
      value = target;
    } else if (name == "array") {
      value = Variant(std::make_shared<Collection>());
      ParseXML(child, value, depth + 1);
    } else if (name == "data") {
      value = Variant(std::make_shared<MemoryBlock>(DecodeBase64(NodeContents(child))));
    } else if (name == "file") {
      value = Variant(FolderItem::GetFolderItem(DecodeBase64(NodeContents(child)), 0));
    } else if (name == "true") {
      value = Variant(true);
    } else if (name == "false") {
      value = Variant(false);
    } else if (name == "color") {
      const std::string contents = NodeContents(child);
      if (!contents.empty()) {
        if (const auto colour = Variant("&h" + contents.substr(1)).ColorValue()) value = Variant(*colour);
      }
    } else {
      matched = false;
    }
    if (matched) StoreValue(pending, value, storage);
    pending = Variant();
  }
}

}  // namespace detail

bool LoadXML(const std::shared_ptr<Dictionary>& dict, const std::string& xml) {
  try {
    XmlDocument doc;
    doc.SetPreserveWhitespace(true);
    doc.LoadXml(xml);
    requireDictionary(dict);
    return LoadXML(dict, doc);
  } catch (const XmlException&) {
    return false;
  }
}

bool LoadXML(const std::shared_ptr<Dictionary>& dict, const std::shared_ptr<FolderItem>& file) {
  if (!file) throw NilObjectException("LoadXML: no file");
  std::unique_ptr<TextInputStream> stream = file->OpenAsTextFile();
  if (!stream) return false;
  const std::string text = stream->ReadAll();
  const bool failed = stream->ReadError();
  stream->Close();
  // Half a file must not be taken for the whole.
  if (failed) return false;
  return LoadXML(dict, text);
}

bool LoadXML(const std::shared_ptr<Dictionary>& dict, XmlDocument doc) {
  requireDictionary(dict);
  try {
    doc.SetPreserveWhitespace(true);
    const XmlNode root = doc.DocumentElement();
    if (root.IsNull()) throw NilObjectException("LoadXML: the document has no root element");
    if (root.Name() == "plist") {
      XmlNode first = root.FirstChild();
      while (!first.IsNull() && first.Type() != XmlNode::kElementNode) first = first.NextSibling();
      if (first.IsNull() || first.Name() != "dict") return false;
      if (Val(root.GetAttribute("version")) > Val("1.0")) return false;
      ParseXML(first, Variant(dict), 1);
      return true;
    }
    if (Val(root.GetAttribute("version")) > Val("1.1")) return false;
    ParseXML(root, Variant(dict), 1);
    return true;
  } catch (const XmlException&) {
    return false;
  }
}

}  // namespace XMLDictionary
