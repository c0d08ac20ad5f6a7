#pragma once

#include <memory>
#include <string>

#include "platform/Dictionary.h"
#include "platform/FolderItem.h"
#include "platform/Xml.h"

// Writes a Dictionary of typed values as an "xmldict" document (version 1.1) or a property list
// (version 1.0), and reads either back into a Dictionary. Every operation takes the dictionary
// first and raises NilObjectException when it (or the file or document) is none.
namespace XMLDictionary {

// The document tree of dict; raises NilObjectException for no dictionary and XmlException when
// containers nest deeper than kMaxDepth.
XmlDocument ExportXML(const std::shared_ptr<Dictionary>& dict, bool plist);
// The document text with its DOCTYPE line; raises as ExportXML does.
std::string ExportXMLString(const std::shared_ptr<Dictionary>& dict, bool plist);
// Writes the document to file atomically; false when containers nest deeper than kMaxDepth or
// the text did not fully reach the disk (the file is then as it was before).
bool SaveXML(const std::shared_ptr<Dictionary>& dict, const std::shared_ptr<FolderItem>& file, bool plist);

// The three readers merge the document's entries into dict. False when the file cannot be read,
// the text is not well-formed XML, the root or version is refused, an integer lies outside 64
// bits, or the nesting is deeper than kMaxDepth (entries read before that point stay).
bool LoadXML(const std::shared_ptr<Dictionary>& dict, const std::string& xml);
bool LoadXML(const std::shared_ptr<Dictionary>& dict, const std::shared_ptr<FolderItem>& file);
bool LoadXML(const std::shared_ptr<Dictionary>& dict, XmlDocument doc);

// The deepest nesting of containers (the top dictionary counts 1) that is written and read; a
// deeper one makes a save or a load fail, so every file written reads back and no walk
// exhausts the stack.
inline constexpr int kMaxDepth = 256;

// The DOCTYPE lines of the two kinds.
inline constexpr const char* kXmlDictDoctype =
    "<!DOCTYPE xmldict PUBLIC \"-//Brackmere//DTD XMLDICT 1.1//EN\" "
    "\"http://www.brackmere.example/DTDs/xmldict-1.1.dtd\">";
inline constexpr const char* kPlistDoctype =
    "<!DOCTYPE plist PUBLIC \"-//Apple Computer//DTD PLIST 1.0//EN\" "
    "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">";

}  // namespace XMLDictionary
