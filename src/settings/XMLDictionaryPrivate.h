#pragma once

// The module's internal functions, shared by the writer, the reader and their tests.

#include <cstdint>
#include <string>
#include <unordered_set>

#include "platform/Variant.h"
#include "platform/Xml.h"

namespace XMLDictionary::detail {

// Uniform access to a storage: a Variant holding a Dictionary or a Collection. Anything else
// counts 0 entries, yields Nil and takes nothing; none of these raises for it.
std::int64_t StorageCount(const Variant& storage);
// The Dictionary key at 0-based position i; Nil for a Collection.
Variant StorageKey(const Variant& storage, std::int64_t i);
// The value at 0-based position i (Collection item i + 1).
Variant StorageValue(const Variant& storage, std::int64_t i);
// The Dictionary's value under key; Nil when absent and for a Collection.
Variant StorageByKey(const Variant& storage, const Variant& key);
// Sets a Dictionary entry (nothing for a Nil key) or appends to a Collection (key ignored).
void StoreValue(const Variant& key, const Variant& value, const Variant& storage);

using SeenSet = std::unordered_set<Variant, VariantHash>;

// Writes storage's entries into node; a container met before in this document stays empty.
// Raises XmlException past kMaxDepth.
void ParseStorage(const Variant& storage, XmlNode node, bool plist);
void ParseStorage(const Variant& storage, XmlNode node, SeenSet& seen, std::int64_t depth, bool plist);
// Puts a line end and depth TABs before node and, when closing, before its end tag; raises
// NilObjectException for a node without a parent.
void IndentNode(XmlNode node, std::int64_t depth, bool closing);

// Reads node's children into storage; raises XmlException past kMaxDepth and for an integer
// outside 64 bits.
void ParseXML(const XmlNode& node, const Variant& storage, int depth);
// The text between node's tags: texts as they are, child elements as their markup.
std::string NodeContents(const XmlNode& node);

}  // namespace XMLDictionary::detail
