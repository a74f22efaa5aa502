#include "run/source_check.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "text/line_reader.h"
#include "text/numeric.h"
#include "text/str_form.h"
#include "text/trim.h"

namespace bc {
namespace {

constexpr std::uint32_t Fields(int first, int last) {
  std::uint32_t mask = 0;
  for (int i = first; i <= last; ++i) mask |= 1u << i;
  return mask;
}

// The numeric fields of each record code, and among them the depths of
// tests and samples, which lie within the boring.
struct CodeFields {
  int code;
  std::uint32_t numbers;
  std::uint32_t test_depths;
};

constexpr CodeFields kCodeFields[] = {
    {1006, Fields(2, 4), 0},
    {1007, Fields(2, 4), 0},
    {1009, Fields(3, 8), 0},
    {1013, Fields(3, 5), 0},
    {2000, Fields(2, 2), 0},
    {2001, Fields(2, 3) | Fields(11, 11), 0},
    {3000, Fields(2, 4), Fields(2, 2)},
    {3010, Fields(2, 3), Fields(2, 2)},
    {3020, Fields(2, 4), Fields(2, 2)},
    {3030, Fields(2, 3), Fields(2, 3)},
    {3040, Fields(2, 3), Fields(2, 3)},
    {3070, Fields(2, 2), Fields(2, 2)},
    {4000, Fields(2, 9), Fields(2, 3)},
    {4010, Fields(2, 10), Fields(2, 3)},
    {4011, Fields(2, 3), 0},
    {5000, Fields(2, 4), Fields(2, 2)},
    {5010, Fields(2, 3), Fields(2, 2)},
};

const CodeFields* FindCode(double code) {
  for (const CodeFields& entry : kCodeFields) {
    if (entry.code == code) return &entry;
  }
  return nullptr;
}

bool Has(std::uint32_t mask, int field) { return field < 32 && (mask >> field & 1u) != 0; }

std::u16string Number(long value) { return std::u16string(TrimBlanks(StrInteger(value))); }

// The shortest form that reads back as value: 7.6, 2000, 1e+39.
std::u16string Number(double value) {
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::u16string(buffer, result.ptr);
}

struct Finding {
  long line;
  int field;
  std::u16string text;
};

// A depth field with where it was read.
struct Depth {
  long line = 0;
  int field = 0;
  std::u16string text;
  double value = 0;
};

std::u16string Where(long line, int field, std::u16string_view text) {
  return u"警告: " + Number(line) + u" 行目 " + Number(static_cast<long>(field)) +
         u" 番目の項目「" + std::u16string(text) + u"」";
}

class Checker {
 public:
  void Line(std::u16string_view line, long number);
  std::vector<std::u16string> Finish();

 private:
  void Field(std::u16string_view text, long line, int field);
  void LayerBottom(const Depth& depth);

  std::vector<Finding> findings_;
  std::vector<Depth> test_depths_;
  Depth previous_layer_;
  Depth deepest_layer_;
  bool any_layer_ = false;
};

void Checker::Line(std::u16string_view line, long number) {
  if (line.empty()) return;
  std::vector<std::u16string_view> fields;
  for (std::size_t at = 0;;) {
    std::size_t space = line.find(u' ', at);
    fields.push_back(line.substr(at, space == std::u16string_view::npos ? space : space - at));
    if (space == std::u16string_view::npos) break;
    at = space + 1;
  }
  Field(fields[0], number, 1);
  const CodeFields* code = FindCode(NumericValue(fields[0]));
  if (code == nullptr) return;
  for (int i = 2; i <= static_cast<int>(fields.size()) && i < 32; ++i) {
    std::u16string_view text = fields[static_cast<std::size_t>(i - 1)];
    if (!Has(code->numbers, i)) continue;
    Field(text, number, i);
    double value = NumericValue(text);
    if (value == 9999) continue;  // the format's missing number: no depth to compare
    Depth depth{number, i, std::u16string(text), value};
    if (code->code == 2000) LayerBottom(depth);
    if (Has(code->test_depths, i)) test_depths_.push_back(std::move(depth));
  }
}

void Checker::Field(std::u16string_view text, long line, int field) {
  if (IsPlainNumber(text)) return;
  std::u16string warning =
      Where(line, field, text) + u"は数値として " + Number(NumericValue(text)) + u" と読みました";
  if (text.find(u'\u3000') != std::u16string_view::npos) warning += u"（全角の空白があります）";
  findings_.push_back({line, field, std::move(warning)});
}

void Checker::LayerBottom(const Depth& depth) {
  if (any_layer_ && depth.value < previous_layer_.value) {
    findings_.push_back({depth.line, depth.field,
                         Where(depth.line, depth.field, depth.text) +
                             u": 地層の下端が前の地層の下端（" + Number(previous_layer_.line) +
                             u" 行目「" + previous_layer_.text + u"」）より浅くなっています"});
  }
  if (!any_layer_ || depth.value > deepest_layer_.value) deepest_layer_ = depth;
  previous_layer_ = depth;
  any_layer_ = true;
}

std::vector<std::u16string> Checker::Finish() {
  for (const Depth& depth : test_depths_) {
    if (!any_layer_ || depth.value <= deepest_layer_.value) continue;
    findings_.push_back({depth.line, depth.field,
                         Where(depth.line, depth.field, depth.text) +
                             u": 深さが最も深い地層の下端（" + Number(deepest_layer_.line) +
                             u" 行目「" + deepest_layer_.text + u"」）より深くなっています"});
  }
  std::stable_sort(findings_.begin(), findings_.end(), [](const Finding& a, const Finding& b) {
    return a.line != b.line ? a.line < b.line : a.field < b.field;
  });
  std::vector<std::u16string> warnings;
  for (Finding& finding : findings_) warnings.push_back(std::move(finding.text));
  return warnings;
}

}  // namespace

bool IsPlainNumber(std::u16string_view field) {
  if (field == u"@") return true;
  std::size_t i = 0;
  if (i < field.size() && (field[i] == u'+' || field[i] == u'-')) ++i;
  bool digit = false;
  bool point = false;
  for (; i < field.size(); ++i) {
    char16_t c = field[i];
    if (c >= u'0' && c <= u'9') {
      digit = true;
    } else if (c == u'.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

std::vector<std::u16string> CheckSourceNumbers(std::string_view source_bytes) {
  LineReader source;
  source.OpenBytes(std::string(source_bytes));
  if (!source.AtEnd()) source.ReadLine();  // the tag line
  Checker checker;
  while (!source.AtEnd()) {
    std::u16string line = source.ReadLine();
    checker.Line(line, source.line_number());
  }
  return checker.Finish();
}

}  // namespace bc
