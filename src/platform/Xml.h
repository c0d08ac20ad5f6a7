#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace pugi {
struct xml_node_struct;
}

class XmlDocument;
struct XmlDocumentData;

// A node of an XmlDocument: a light handle that keeps its document alive. A default-made node
// is none; asking none for anything but IsNull raises NilObjectException.
class XmlNode {
 public:
  // DOM node types as Type reports them.
  static constexpr int kElementNode = 1;
  static constexpr int kTextNode = 3;
  static constexpr int kCDataNode = 4;
  static constexpr int kProcessingInstructionNode = 7;
  static constexpr int kCommentNode = 8;
  static constexpr int kDocumentNode = 9;
  static constexpr int kDocumentTypeNode = 10;

  XmlNode() = default;
  bool IsNull() const { return m_node == nullptr; }
  explicit operator bool() const { return !IsNull(); }

  int Type() const;
  // The element's or processing instruction's name; "" for other nodes.
  std::string Name() const;
  // A text, CDATA or comment node's text; "" for elements and the document.
  std::string Value() const;

  // Children in document order; none past the last.
  XmlNode FirstChild() const;
  XmlNode NextSibling() const;
  std::int64_t ChildCount() const;
  // The child at 0-based position i; none when there is no such child.
  XmlNode Child(std::int64_t i) const;
  // The node's parent (the document for the root element); none for a detached node.
  XmlNode Parent() const;
  XmlDocument OwnerDocument() const;

  // The node's markup, every text written with its exact characters, XML-escaped. For the
  // document: an XML declaration, then its children in order.
  std::string ToString() const;

  // The attribute's value; "" when absent.
  std::string GetAttribute(const std::string& name) const;
  // Adds or replaces an attribute of an element; raises XmlException on another node.
  void SetAttribute(const std::string& name, const std::string& value);

  // Moves child (detached or not, of this document) to the end of this node's children and
  // returns it; raises XmlException when that is not possible (another document, an ancestor).
  XmlNode AppendChild(const XmlNode& child);
  // Moves newChild right before refChild, a child of this node; raises XmlException otherwise.
  void Insert(const XmlNode& newChild, const XmlNode& refChild);

  bool operator==(const XmlNode& other) const { return m_node == other.m_node; }

 protected:
  XmlNode(std::shared_ptr<XmlDocumentData> doc, pugi::xml_node_struct* node)
      : m_doc(std::move(doc)), m_node(node) {}
  void requireNode() const;

  std::shared_ptr<XmlDocumentData> m_doc;
  pugi::xml_node_struct* m_node = nullptr;

  friend class XmlDocument;
};

// An XML document that owns its nodes.
class XmlDocument : public XmlNode {
 public:
  // A new document with no children.
  XmlDocument();

  // When true before LoadXml, whitespace-only text is kept as text nodes.
  bool PreserveWhitespace() const;
  void SetPreserveWhitespace(bool preserve);

  // Replaces the content with the parsed text, read in the encoding its byte-order mark or
  // declaration names (UTF-8 when neither does). Raises XmlException when the text is not
  // well-formed (no root element, a second one, or text beside it included), or refers to an
  // entity other than XML's predefined ones (nothing is expanded but those and character
  // references; nothing external is loaded).
  void LoadXml(const std::string& text);

  // A new element of this document, not yet in the tree; raises XmlException for an invalid name.
  XmlNode CreateElement(const std::string& name);
  // A new text node holding exactly text, not yet in the tree.
  XmlNode CreateTextNode(const std::string& text);
  // The root element; none when there is none.
  XmlNode DocumentElement() const;

 private:
  explicit XmlDocument(std::shared_ptr<XmlDocumentData> data);
  friend class XmlNode;
};
