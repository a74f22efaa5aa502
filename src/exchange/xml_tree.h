// A parsed exchange XML file as a flat list of its elements in document order,
// which is the order every rule of the import reads in. Parsing is bounded in
// size and never recursive, so hostile input ends in a RunError, not a crash.
#ifndef BORINGCONV_EXCHANGE_XML_TREE_H_
#define BORINGCONV_EXCHANGE_XML_TREE_H_

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pugi {
class xml_document;
}

namespace bc {

// Limits on what one file may hold; real files stay far below them.
inline constexpr std::size_t kMaxXmlMarkup = 1'000'000;  // "<" characters
inline constexpr std::size_t kMaxElementTextBytes = 1u << 20;

struct XmlElement {
  std::string_view name;    // UTF-8
  std::u16string raw_text;  // character data before the first child element
  std::size_t end = 0;      // index past the element's last descendant

  std::u16string_view text() const;  // trimmed
};

class XmlTree {
 public:
  // Parses a UTF-8 document. Throws RunError, with the line and column where
  // known, on XML that is not well-formed, declares entities or is too big.
  explicit XmlTree(std::string utf8);
  ~XmlTree();
  XmlTree(const XmlTree&) = delete;
  XmlTree& operator=(const XmlTree&) = delete;

  const XmlElement& root() const { return elements_[0]; }
  // The root's attribute, references resolved; nothing when it is absent.
  std::optional<std::u16string> RootAttribute(std::string_view name) const;

  const std::vector<XmlElement>& elements() const { return elements_; }
  const XmlElement& at(std::size_t index) const { return elements_[index]; }

  // The first element of that name in document order.
  std::optional<std::size_t> First(std::string_view name) const;

  // Every element of that name in which some element (itself or a
  // descendant) has a non-empty text, in document order.
  std::vector<std::size_t> GroupsWithData(std::string_view name) const;

  // The first of the named children that is present (in the order named).
  const XmlElement* Child(std::size_t parent, std::initializer_list<std::string_view> names) const;
  // Its trimmed text; empty when no named child is present.
  std::u16string_view ChildText(std::size_t parent,
                                std::initializer_list<std::string_view> names) const;
  std::u16string_view ChildText(std::size_t parent, std::string_view name) const {
    return ChildText(parent, {name});
  }

  // Indices of the direct children.
  std::vector<std::size_t> Children(std::size_t parent) const;

 private:
  void Index();

  std::string utf8_;
  std::unique_ptr<pugi::xml_document> document_;
  std::vector<XmlElement> elements_;
  std::vector<std::size_t> with_text_before_;  // elements with text among [0, i)
};

// "（12 行 5 列）" for a byte offset of a UTF-8 document.
std::u16string XmlPosition(std::string_view utf8, std::size_t offset);

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_XML_TREE_H_
