#include "exchange/xml_tree.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <pugixml.hpp>

#include "exchange/value_text.h"
#include "exchange/xml_references.h"
#include "run/run_error.h"
#include "text/utf8.h"

namespace bc {
namespace {

constexpr char16_t kMalformed[] = u"XML の形式が正しくありません";

std::u16string StatusText(pugi::xml_parse_status status) {
  switch (status) {
    case pugi::status_out_of_memory:
      return u"メモリが足りません。";
    case pugi::status_unrecognized_tag:
    case pugi::status_bad_start_element:
      return u"開始タグが正しくありません。";
    case pugi::status_bad_pi:
      return u"XML 宣言または処理命令が正しくありません。";
    case pugi::status_bad_comment:
      return u"コメントが正しくありません。";
    case pugi::status_bad_cdata:
      return u"CDATA セクションが正しくありません。";
    case pugi::status_bad_doctype:
      return u"文書型宣言が正しくありません。";
    case pugi::status_bad_pcdata:
      return u"文字データが正しくありません。";
    case pugi::status_bad_attribute:
      return u"属性が正しくありません。";
    case pugi::status_bad_end_element:
      return u"終了タグが正しくありません。";
    case pugi::status_end_element_mismatch:
      return u"終了タグが開始タグと対応していないか、要素が閉じていません。";
    case pugi::status_no_document_element:
      return u"要素がありません。";
    default:
      return u"読み取れません。";
  }
}

[[noreturn]] void Refuse(std::string_view utf8, std::size_t offset, std::u16string_view what) {
  throw RunError(std::u16string(kMalformed) + XmlPosition(utf8, offset) + u": " +
                 std::u16string(what));
}

// The bytes of word equal to b, each marked by its high bit, exactly.
std::uint64_t BytesEqual(std::uint64_t word, unsigned char b) {
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
  const std::uint64_t x = word ^ (0x0101010101010101ULL * b);
  return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// XML allows no C0 control character but tab, LF and CR, not even escaped.
void CheckByte(std::string_view utf8, std::size_t i) {
  unsigned char c = static_cast<unsigned char>(utf8[i]);
  if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
    Refuse(utf8, i, u"XML で使えない制御文字があります。");
  }
  // U+FFFE and U+FFFF (EF BF BE/BF) are no characters either.
  if (c == 0xEF && i + 2 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) == 0xBF &&
      static_cast<unsigned char>(utf8[i + 2]) >= 0xBE) {
    Refuse(utf8, i, u"XML で使えない文字があります。");
  }
}

// Eight bytes at a time: only a word holding a byte below 0x20 or 0xEF is
// looked at byte by byte, and its tags are counted in one step.
void CheckCharacters(std::string_view utf8) {
  constexpr std::uint64_t kTop3 = 0xE0E0E0E0E0E0E0E0ULL;
  std::size_t markup = 0;
  std::size_t i = 0;
  for (; i + 8 <= utf8.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, utf8.data() + i, 8);
    markup += static_cast<std::size_t>(std::popcount(BytesEqual(word, '<')));
    if ((BytesEqual(word & kTop3, 0) | BytesEqual(word, 0xEF)) != 0) {
      for (std::size_t k = i; k < i + 8; ++k) CheckByte(utf8, k);
    }
  }
  for (; i < utf8.size(); ++i) {
    CheckByte(utf8, i);
    if (utf8[i] == '<') ++markup;
  }
  if (markup > kMaxXmlMarkup) {
    throw RunError(u"XML の要素が多すぎます（タグ " + FromUtf8(std::to_string(kMaxXmlMarkup)) +
                   u" 個まで）。");
  }
}

// The node itself or its first following sibling that is an element.
pugi::xml_node NextElement(pugi::xml_node node) {
  while (node && node.type() != pugi::node_element) node = node.next_sibling();
  return node;
}

std::size_t NodeOffset(const pugi::xml_node& node) {
  std::ptrdiff_t offset = node.offset_debug();
  return offset < 0 ? 0 : static_cast<std::size_t>(offset);
}

}  // namespace

std::u16string_view XmlElement::text() const { return Trim(raw_text); }

std::u16string XmlPosition(std::string_view utf8, std::size_t offset) {
  offset = std::min(offset, utf8.size());
  long line = 1, column = 1;
  for (std::size_t i = 0; i < offset; ++i) {
    char c = utf8[i];
    if (c == '\n' || (c == '\r' && (i + 1 >= utf8.size() || utf8[i + 1] != '\n'))) {
      ++line;
      column = 1;
    } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80 && c != '\r') {
      ++column;
    }
  }
  return u"（" + FromUtf8(std::to_string(line)) + u" 行 " + FromUtf8(std::to_string(column)) +
         u" 列）";
}

XmlTree::XmlTree(std::string utf8)
    : utf8_(std::move(utf8)), document_(std::make_unique<pugi::xml_document>()) {
  CheckCharacters(utf8_);
  // No parse_escapes: references are resolved here, where undefined ones are
  // refused. The document type is kept to look for entity declarations.
  unsigned options =
      pugi::parse_cdata | pugi::parse_eol | pugi::parse_wconv_attribute | pugi::parse_doctype;
  pugi::xml_parse_result result =
      document_->load_buffer(utf8_.data(), utf8_.size(), options, pugi::encoding_utf8);
  if (!result) {
    Refuse(utf8_, static_cast<std::size_t>(std::max<std::ptrdiff_t>(result.offset, 0)),
           StatusText(result.status));
  }
  std::size_t roots = 0;
  for (pugi::xml_node node : document_->children()) {
    if (node.type() == pugi::node_element) {
      if (++roots > 1) Refuse(utf8_, NodeOffset(node), u"ルート要素が複数あります。");
    } else if (node.type() == pugi::node_doctype) {
      if (std::string_view(node.value()).find("<!ENTITY") != std::string_view::npos) {
        Refuse(utf8_, NodeOffset(node), u"実体宣言 (<!ENTITY) は読めません。");
      }
    } else if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
      Refuse(utf8_, NodeOffset(node), u"ルート要素の外に文字データがあります。");
    }
  }
  if (roots == 0) Refuse(utf8_, utf8_.size(), u"要素がありません。");
  Index();
}

XmlTree::~XmlTree() = default;

void XmlTree::Index() {
  // Iterative walk: a deeply nested file must not exhaust the stack.
  std::vector<std::size_t> open;  // indices of the elements on the current path
  pugi::xml_node node = document_->document_element();
  for (;;) {
    open.push_back(elements_.size());
    XmlElement& element = elements_.emplace_back();
    element.name = node.name();
    for (pugi::xml_attribute attribute : node.attributes()) {
      std::u16string ignored;
      std::size_t bad = AppendResolved(attribute.value(), &ignored);
      if (bad != kReferencesOk) {
        Refuse(utf8_, NodeOffset(node), u"属性に読めない参照 (&…;) があります。");
      }
    }
    for (pugi::xml_node child : node.children()) {
      if (child.type() == pugi::node_element) break;
      std::string_view raw = child.value();
      if (raw.size() > kMaxElementTextBytes) {
        Refuse(utf8_, NodeOffset(child),
               u"要素 " + FromUtf8(element.name) + u" の文字データが長すぎます（1 MiB まで）。");
      }
      if (child.type() == pugi::node_cdata) {
        element.raw_text += FromUtf8(raw);
      } else if (std::size_t bad = AppendResolved(raw, &element.raw_text); bad != kReferencesOk) {
        Refuse(utf8_, NodeOffset(child) + bad, u"読めない参照 (&…;) があります。");
      }
    }
    if (pugi::xml_node child = NextElement(node.first_child())) {
      node = child;
      continue;
    }
    // Close this element and every ancestor that has no later sibling.
    for (;;) {
      elements_[open.back()].end = elements_.size();
      open.pop_back();
      if (open.empty()) break;
      if (pugi::xml_node sibling = NextElement(node.next_sibling())) {
        node = sibling;
        break;
      }
      node = node.parent();
    }
    if (open.empty()) break;
  }
  with_text_before_.assign(elements_.size() + 1, 0);
  for (std::size_t i = 0; i < elements_.size(); ++i) {
    with_text_before_[i + 1] = with_text_before_[i] + (elements_[i].text().empty() ? 0 : 1);
  }
}

std::optional<std::u16string> XmlTree::RootAttribute(std::string_view name) const {
  pugi::xml_attribute attribute =
      document_->document_element().attribute(std::string(name).c_str());
  if (!attribute) return std::nullopt;
  std::u16string value;
  AppendResolved(attribute.value(), &value);
  return value;
}

std::optional<std::size_t> XmlTree::First(std::string_view name) const {
  for (std::size_t i = 0; i < elements_.size(); ++i) {
    if (elements_[i].name == name) return i;
  }
  return std::nullopt;
}

std::vector<std::size_t> XmlTree::GroupsWithData(std::string_view name) const {
  std::vector<std::size_t> groups;
  for (std::size_t i = 0; i < elements_.size(); ++i) {
    if (elements_[i].name == name && with_text_before_[elements_[i].end] > with_text_before_[i]) {
      groups.push_back(i);
    }
  }
  return groups;
}

std::vector<std::size_t> XmlTree::Children(std::size_t parent) const {
  std::vector<std::size_t> children;
  for (std::size_t i = parent + 1; i < elements_[parent].end; i = elements_[i].end) {
    children.push_back(i);
  }
  return children;
}

const XmlElement* XmlTree::Child(std::size_t parent,
                                 std::initializer_list<std::string_view> names) const {
  for (std::string_view name : names) {
    for (std::size_t i = parent + 1; i < elements_[parent].end; i = elements_[i].end) {
      if (elements_[i].name == name) return &elements_[i];
    }
  }
  return nullptr;
}

std::u16string_view XmlTree::ChildText(std::size_t parent,
                                       std::initializer_list<std::string_view> names) const {
  const XmlElement* child = Child(parent, names);
  return child ? child->text() : std::u16string_view();
}

}  // namespace bc
