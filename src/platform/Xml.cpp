#include "platform/Xml.h"

#include <cctype>
#include <cstring>
#include <pugixml.hpp>
#include <string>
#include <utility>

#include "platform/Exceptions.h"

struct XmlDocumentData {
  pugi::xml_document doc;
  // Parent of the nodes created but not yet attached; hidden from every walk and from output.
  pugi::xml_node staging;
  bool preserveWhitespace = false;

  pugi::xml_node stagingNode() {
    if (!staging) staging = doc.prepend_child("#detached");
    return staging;
  }
};

namespace {

pugi::xml_node wrap(pugi::xml_node_struct* node) {
  return pugi::xml_node(node);
}

pugi::xml_node firstChild(pugi::xml_node node, pugi::xml_node skip) {
  pugi::xml_node child = node.first_child();
  if (child && child == skip) child = child.next_sibling();
  return child;
}

pugi::xml_node nextSibling(pugi::xml_node node, pugi::xml_node skip) {
  pugi::xml_node next = node.next_sibling();
  if (next && next == skip) next = next.next_sibling();
  return next;
}

void appendCharacterReference(std::string& out, unsigned char c) {
  out += "&#";
  out += std::to_string(static_cast<int>(c));
  out += ';';
}

// Escapes text so that it reads back exactly: markup characters, and the control characters
// that reading would normalise away (a CR would otherwise become LF). In an attribute value the
// quote is escaped as well, and tabs and line feeds too, which reading would turn into blanks.
void appendEscaped(std::string& out, const char* text, bool attribute) {
  for (const char* p = text; *p != '\0'; ++p) {
    const auto c = static_cast<unsigned char>(*p);
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>' && !attribute) {
      out += "&gt;";
    } else if (c == '"' && attribute) {
      out += "&quot;";
    } else if (c < 0x20 && (attribute || (c != '\t' && c != '\n'))) {
      appendCharacterReference(out, c);
    } else {
      out += static_cast<char>(c);
    }
  }
}

void appendStartTag(std::string& out, pugi::xml_node element, bool empty) {
  out += '<';
  out += element.name();
  for (const pugi::xml_attribute attribute : element.attributes()) {
    out += ' ';
    out += attribute.name();
    out += "=\"";
    appendEscaped(out, attribute.value(), true);
    out += '"';
  }
  out += empty ? "/>" : ">";
}

void appendLeaf(std::string& out, pugi::xml_node node) {
  switch (node.type()) {
    case pugi::node_pcdata:
      appendEscaped(out, node.value(), false);
      break;
    case pugi::node_cdata: {
      // "]]>" cannot stand inside one section: split it across two.
      std::string value = node.value();
      for (std::size_t at = 0; (at = value.find("]]>", at)) != std::string::npos; at += 15)
        value.replace(at, 3, "]]]]><![CDATA[>");
      out += "<![CDATA[" + value + "]]>";
      break;
    }
    case pugi::node_comment:
      out += "<!--" + std::string(node.value()) + "-->";
      break;
    case pugi::node_pi:
      out += "<?" + std::string(node.name());
      if (*node.value() != '\0') out += " " + std::string(node.value());
      out += "?>";
      break;
    case pugi::node_doctype:
      out += "<!DOCTYPE " + std::string(node.value()) + ">";
      break;
    default:
      break;
  }
}

// Writes start and everything below it without recursion, so depth costs no stack.
void serialise(std::string& out, pugi::xml_node start, pugi::xml_node skip) {
  pugi::xml_node node = start;
  for (;;) {
    const auto type = node.type();
    if (type == pugi::node_element || type == pugi::node_document) {
      const pugi::xml_node child = firstChild(node, skip);
      if (type == pugi::node_element) appendStartTag(out, node, !child);
      if (child) {
        node = child;
        continue;
      }
    } else {
      appendLeaf(out, node);
    }
    for (;;) {
      if (node == start) return;
      if (const pugi::xml_node next = nextSibling(node, skip)) {
        node = next;
        break;
      }
      node = node.parent();
      if (node.type() == pugi::node_element) {
        out += "</";
        out += node.name();
        out += '>';
      }
    }
  }
}

bool isNameCharacter(unsigned char c) {
  return c >= 0x80 || std::isalnum(c) || c == '_' || c == ':' || c == '-' || c == '.';
}

bool isValidName(const std::string& name) {
  if (name.empty()) return false;
  const auto first = static_cast<unsigned char>(name[0]);
  if (!(first >= 0x80 || std::isalpha(first) || first == '_' || first == ':')) return false;
  for (const char c : name)
    if (!isNameCharacter(static_cast<unsigned char>(c))) return false;
  return true;
}

bool isAllowedCodePoint(unsigned long code) {
  return code != 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF) && code != 0xFFFE &&
         code != 0xFFFF;
}

// Appends code, an allowed code point, as UTF-8.
void appendUtf8(std::string& out, unsigned long code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
    return;
  }
  const int continuation = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
  static constexpr unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
  out += static_cast<char>(kLead[continuation] | (code >> (6 * continuation)));
  for (int shift = 6 * (continuation - 1); shift >= 0; shift -= 6)
    out += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
}

// at points to '&': appends the text of the predefined entity or character reference that starts
// there to out and returns its length; 0 (and nothing appended) when neither starts there.
std::size_t appendReference(const char* at, std::string& out) {
  const char* end = at + 1;
  while (*end != '\0' && *end != ';' && end - at < 12) ++end;
  if (*end != ';') return 0;
  const std::string name(at + 1, end);
  const auto length = static_cast<std::size_t>(end - at) + 1;
  static constexpr std::pair<const char*, char> kPredefined[] = {
      {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"apos", '\''}, {"quot", '"'}};
  for (const auto& [entity, character] : kPredefined) {
    if (name == entity) {
      out += character;
      return length;
    }
  }
  if (name.size() < 2 || name[0] != '#') return 0;
  const bool hex = name[1] == 'x';
  const std::string digits = name.substr(hex ? 2 : 1);
  if (digits.empty()) return 0;
  unsigned long code = 0;
  for (const char c : digits) {
    int d;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (hex && c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    else
      return 0;
    code = code * (hex ? 16 : 10) + static_cast<unsigned long>(d);
    if (code > 0x10FFFF) return 0;
  }
  if (!isAllowedCodePoint(code)) return 0;
  appendUtf8(out, code);
  return length;
}

// Replaces the references in a text or attribute value by their text; raises XmlException for a
// bare '&' or a reference to any other entity.
template <class Holder>
void expandReferences(Holder holder, std::string& expanded) {
  const char* text = holder.value();
  const char* amp = std::strchr(text, '&');
  if (amp == nullptr) return;
  expanded.assign(text, amp);
  for (const char* p = amp; *p != '\0';) {
    if (*p != '&') {
      expanded += *p++;
      continue;
    }
    const std::size_t length = appendReference(p, expanded);
    if (length == 0) throw XmlException("Reference to an undeclared or unsupported entity");
    p += length;
  }
  if (!holder.set_value(expanded.c_str())) throw XmlException("Out of memory expanding a reference");
}

// The parser is left to expand no reference: it would look for them before converting the text
// to UTF-8 (missing them in UTF-16), would leave an unknown entity reference as literal text and
// accept a bare '&'. So every text and attribute value below root is expanded here, in UTF-8
// whatever the document's encoding; nothing but the predefined entities and character
// references may be. Comments, CDATA sections, processing instructions and the DOCTYPE (whose
// internal subset may declare entities that are never used) hold no references. Walked without
// recursion, so depth costs no stack.
void expandReferencesBelow(pugi::xml_node root) {
  std::string expanded;
  pugi::xml_node node = root.first_child();
  while (node) {
    if (node.type() == pugi::node_pcdata) {
      expandReferences(node, expanded);
    } else if (node.type() == pugi::node_element) {
      for (pugi::xml_attribute attribute : node.attributes()) expandReferences(attribute, expanded);
    }
    if (const pugi::xml_node child = node.first_child()) {
      node = child;
      continue;
    }
    while (node != root && !node.next_sibling()) node = node.parent();
    node = node == root ? pugi::xml_node() : node.next_sibling();
  }
}

// A fragment may hold no root, several, or text beside them; a document holds exactly one root
// and nothing but markup and blanks beside it, so a damaged file cannot pass for a whole one.
const char* contentOutsideTheRoot(const pugi::xml_document& doc) {
  int roots = 0;
  for (const pugi::xml_node child : doc.children()) {
    const auto type = child.type();
    if (type == pugi::node_element && ++roots > 1) return "More than one root element";
    if (type == pugi::node_cdata ||
        (type == pugi::node_pcdata && std::strspn(child.value(), " \t\r\n") != std::strlen(child.value())))
      return "Text outside the root element";
  }
  return roots == 0 ? "No root element" : nullptr;
}

}  // namespace

void XmlNode::requireNode() const {
  if (m_node == nullptr) throw NilObjectException("XmlNode is Nil");
}

int XmlNode::Type() const {
  requireNode();
  switch (wrap(m_node).type()) {
    case pugi::node_element:
      return kElementNode;
    case pugi::node_pcdata:
      return kTextNode;
    case pugi::node_cdata:
      return kCDataNode;
    case pugi::node_pi:
    case pugi::node_declaration:
      return kProcessingInstructionNode;
    case pugi::node_comment:
      return kCommentNode;
    case pugi::node_document:
      return kDocumentNode;
    case pugi::node_doctype:
      return kDocumentTypeNode;
    default:
      return 0;
  }
}

std::string XmlNode::Name() const {
  requireNode();
  return wrap(m_node).name();
}

std::string XmlNode::Value() const {
  requireNode();
  return wrap(m_node).value();
}

XmlNode XmlNode::FirstChild() const {
  requireNode();
  const pugi::xml_node child = firstChild(wrap(m_node), m_doc->staging);
  return XmlNode(m_doc, child.internal_object());
}

XmlNode XmlNode::NextSibling() const {
  requireNode();
  const pugi::xml_node next = nextSibling(wrap(m_node), m_doc->staging);
  return XmlNode(m_doc, next.internal_object());
}

std::int64_t XmlNode::ChildCount() const {
  requireNode();
  std::int64_t count = 0;
  for (pugi::xml_node child = firstChild(wrap(m_node), m_doc->staging); child;
       child = nextSibling(child, m_doc->staging))
    ++count;
  return count;
}

XmlNode XmlNode::Child(std::int64_t i) const {
  requireNode();
  if (i < 0) return XmlNode();
  pugi::xml_node child = firstChild(wrap(m_node), m_doc->staging);
  for (; child && i > 0; --i) child = nextSibling(child, m_doc->staging);
  return XmlNode(m_doc, child.internal_object());
}

XmlNode XmlNode::Parent() const {
  requireNode();
  const pugi::xml_node parent = wrap(m_node).parent();
  if (!parent || parent == m_doc->staging) return XmlNode();
  return XmlNode(m_doc, parent.internal_object());
}

XmlDocument XmlNode::OwnerDocument() const {
  requireNode();
  return XmlDocument(m_doc);
}

std::string XmlNode::ToString() const {
  requireNode();
  std::string out;
  const pugi::xml_node node = wrap(m_node);
  if (node.type() == pugi::node_document) out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
  serialise(out, node, m_doc->staging);
  return out;
}

std::string XmlNode::GetAttribute(const std::string& name) const {
  requireNode();
  return wrap(m_node).attribute(name.c_str()).value();
}

void XmlNode::SetAttribute(const std::string& name, const std::string& value) {
  requireNode();
  pugi::xml_node node = wrap(m_node);
  if (node.type() != pugi::node_element) throw XmlException("Only an element has attributes");
  if (!isValidName(name)) throw XmlException("Invalid attribute name: " + name);
  pugi::xml_attribute attribute = node.attribute(name.c_str());
  if (!attribute) attribute = node.append_attribute(name.c_str());
  attribute.set_value(value.c_str());
}

XmlNode XmlNode::AppendChild(const XmlNode& child) {
  requireNode();
  child.requireNode();
  if (child.m_doc != m_doc) throw XmlException("The node belongs to another document");
  if (!wrap(m_node).append_move(wrap(child.m_node))) throw XmlException("The node cannot be appended here");
  return child;
}

void XmlNode::Insert(const XmlNode& newChild, const XmlNode& refChild) {
  requireNode();
  newChild.requireNode();
  refChild.requireNode();
  if (newChild.m_doc != m_doc || refChild.m_doc != m_doc)
    throw XmlException("The node belongs to another document");
  if (wrap(refChild.m_node).parent() != wrap(m_node))
    throw XmlException("The reference node is not a child of this node");
  if (!wrap(m_node).insert_move_before(wrap(newChild.m_node), wrap(refChild.m_node)))
    throw XmlException("The node cannot be inserted here");
}

XmlDocument::XmlDocument() : XmlNode(std::make_shared<XmlDocumentData>(), nullptr) {
  m_node = m_doc->doc.internal_object();
}

XmlDocument::XmlDocument(std::shared_ptr<XmlDocumentData> data) : XmlNode(std::move(data), nullptr) {
  m_node = m_doc->doc.internal_object();
}

bool XmlDocument::PreserveWhitespace() const {
  return m_doc->preserveWhitespace;
}

void XmlDocument::SetPreserveWhitespace(bool preserve) {
  m_doc->preserveWhitespace = preserve;
}

void XmlDocument::LoadXml(const std::string& text) {
  // Parsed as a fragment so that text beside the root is kept and can be refused below; the
  // references are expanded below too, once the text is UTF-8.
  unsigned options = pugi::parse_cdata | pugi::parse_eol | pugi::parse_wconv_attribute | pugi::parse_fragment;
  if (m_doc->preserveWhitespace) options |= pugi::parse_ws_pcdata;
  m_doc->staging = pugi::xml_node();
  // The encoding comes from the byte-order mark or the declaration (UTF-8 when neither names
  // one), and the text is held as UTF-8 from here on.
  const pugi::xml_parse_result result =
      m_doc->doc.load_buffer(text.data(), text.size(), options, pugi::encoding_auto);
  if (!result) {
    m_doc->doc.reset();
    throw XmlException(std::string(result.description()) + " at offset " + std::to_string(result.offset));
  }
  try {
    expandReferencesBelow(m_doc->doc);
  } catch (const XmlException&) {
    m_doc->doc.reset();
    throw;
  }
  if (const char* fault = contentOutsideTheRoot(m_doc->doc)) {
    m_doc->doc.reset();
    throw XmlException(fault);
  }
}

XmlNode XmlDocument::CreateElement(const std::string& name) {
  if (!isValidName(name)) throw XmlException("Invalid element name: " + name);
  pugi::xml_node element = m_doc->stagingNode().append_child(name.c_str());
  return XmlNode(m_doc, element.internal_object());
}

XmlNode XmlDocument::CreateTextNode(const std::string& text) {
  pugi::xml_node node = m_doc->stagingNode().append_child(pugi::node_pcdata);
  node.set_value(text.c_str());
  return XmlNode(m_doc, node.internal_object());
}

XmlNode XmlDocument::DocumentElement() const {
  for (pugi::xml_node child = firstChild(m_doc->doc, m_doc->staging); child;
       child = nextSibling(child, m_doc->staging))
    if (child.type() == pugi::node_element) return XmlNode(m_doc, child.internal_object());
  return XmlNode();
}
