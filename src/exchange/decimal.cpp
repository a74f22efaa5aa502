#include "exchange/decimal.h"

#include <algorithm>
#include <climits>

namespace bc {
namespace {

constexpr int kMaxExponent = 29;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::size_t SkipDigits(std::u16string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// Magnitudes as digit strings of equal length (leading zeros allowed).
std::string AddDigits(const std::string& a, const std::string& b) {
  std::string sum(a.size() + 1, '0');
  int carry = 0;
  for (std::size_t k = a.size(); k-- > 0;) {
    int d = (a[k] - '0') + (b[k] - '0') + carry;
    sum[k + 1] = static_cast<char>('0' + d % 10);
    carry = d / 10;
  }
  sum[0] = static_cast<char>('0' + carry);
  return sum;
}

// a - b for a >= b, both of the same length.
std::string SubtractDigits(const std::string& a, const std::string& b) {
  std::string diff(a.size(), '0');
  int borrow = 0;
  for (std::size_t k = a.size(); k-- > 0;) {
    int d = (a[k] - '0') - (b[k] - '0') - borrow;
    borrow = d < 0 ? 1 : 0;
    diff[k] = static_cast<char>('0' + d + 10 * borrow);
  }
  return diff;
}

// Digits of a magnitude padded to `scale` fraction digits and `width` digits.
std::string Aligned(const std::string& digits, int scale, int to_scale, std::size_t width) {
  std::string out = digits + std::string(static_cast<std::size_t>(to_scale - scale), '0');
  out.insert(0, width - out.size(), '0');
  return out;
}

}  // namespace

Decimal Decimal::FromInt(long value) {
  Decimal d;
  d.negative_ = value < 0;
  unsigned long magnitude = value < 0 ? 0UL - static_cast<unsigned long>(value) : value;
  d.digits_ = std::to_string(magnitude);
  d.Normalize();
  return d;
}

std::optional<Decimal> Decimal::Parse(std::u16string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  std::size_t int_begin = i;
  i = SkipDigits(text, i);
  std::size_t int_end = i;
  std::size_t frac_begin = i, frac_end = i;
  if (i < text.size() && text[i] == u'.') {
    frac_begin = i + 1;
    frac_end = i = SkipDigits(text, frac_begin);
  }
  if (int_end == int_begin && frac_end == frac_begin) return std::nullopt;
  long long exponent = 0;
  if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
    ++i;
    bool exp_negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) exp_negative = text[i++] == u'-';
    std::size_t exp_begin = i;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      exponent = std::min<long long>(exponent * 10 + (text[i] - u'0'), INT_MAX);
    }
    if (i == exp_begin) return std::nullopt;
    if (exp_negative) exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;

  std::string mantissa;
  mantissa.reserve(int_end - int_begin + frac_end - frac_begin);
  for (std::size_t k = int_begin; k < int_end; ++k) mantissa.push_back(static_cast<char>(text[k]));
  for (std::size_t k = frac_begin; k < frac_end; ++k)
    mantissa.push_back(static_cast<char>(text[k]));
  std::size_t first = mantissa.find_first_not_of('0');
  Decimal d;
  if (first == std::string::npos) return d;
  long long int_digits = static_cast<long long>(int_end - int_begin);
  long long position = int_digits - 1 - static_cast<long long>(first) + exponent;
  if (position > kMaxExponent || position < -kMaxExponent) return std::nullopt;

  d.negative_ = negative;
  d.digits_ = mantissa.substr(first);
  long long scale = static_cast<long long>(frac_end - frac_begin) - exponent;
  if (scale < 0) {
    d.digits_.append(static_cast<std::size_t>(-scale), '0');
    scale = 0;
  }
  d.scale_ = static_cast<int>(scale);
  d.Normalize();
  return d;
}

void Decimal::Normalize() {
  while (scale_ > 0 && !digits_.empty() && digits_.back() == '0') {
    digits_.pop_back();
    --scale_;
  }
  std::size_t first = digits_.find_first_not_of('0');
  digits_.erase(0, first == std::string::npos ? digits_.size() : first);
  if (digits_.empty()) {
    negative_ = false;
    scale_ = 0;
  }
}

Decimal Decimal::Rounded(int decimals) const {
  if (scale_ <= decimals) return *this;
  Decimal r = *this;
  std::size_t cut = static_cast<std::size_t>(scale_ - decimals);
  if (r.digits_.size() < cut + 1) r.digits_.insert(0, cut + 1 - r.digits_.size(), '0');
  bool up = r.digits_[r.digits_.size() - cut] >= '5';
  r.digits_.resize(r.digits_.size() - cut);
  r.scale_ = decimals;
  if (up) {
    std::size_t k = r.digits_.size();
    while (k > 0 && r.digits_[k - 1] == '9') r.digits_[--k] = '0';
    if (k == 0) {
      r.digits_.insert(0, 1, '1');
    } else {
      ++r.digits_[k - 1];
    }
  }
  r.Normalize();
  return r;
}

Decimal Decimal::Divided10(int places) const {
  Decimal r = *this;
  if (!r.digits_.empty()) r.scale_ += places;
  r.Normalize();
  return r;
}

std::u16string Decimal::Fixed(int min_decimals) const {
  int decimals = std::max(scale_, min_decimals);
  std::string digits = digits_ + std::string(static_cast<std::size_t>(decimals - scale_), '0');
  if (digits.size() < static_cast<std::size_t>(decimals) + 1) {
    digits.insert(0, decimals + 1 - digits.size(), '0');
  }
  std::u16string out;
  if (negative_) out.push_back(u'-');
  std::size_t int_len = digits.size() - static_cast<std::size_t>(decimals);
  for (std::size_t k = 0; k < digits.size(); ++k) {
    if (k == int_len) out.push_back(u'.');
    out.push_back(static_cast<char16_t>(digits[k]));
  }
  return out;
}

std::u16string Decimal::Plain() const { return Fixed(0); }

Decimal operator+(const Decimal& a, const Decimal& b) {
  int scale = std::max(a.scale_, b.scale_);
  std::size_t width = std::max(a.digits_.size() + static_cast<std::size_t>(scale - a.scale_),
                               b.digits_.size() + static_cast<std::size_t>(scale - b.scale_));
  std::string x = Aligned(a.digits_, a.scale_, scale, width);
  std::string y = Aligned(b.digits_, b.scale_, scale, width);
  Decimal r;
  r.scale_ = scale;
  if (a.negative_ == b.negative_) {
    r.digits_ = AddDigits(x, y);
    r.negative_ = a.negative_;
  } else if (x >= y) {
    r.digits_ = SubtractDigits(x, y);
    r.negative_ = a.negative_;
  } else {
    r.digits_ = SubtractDigits(y, x);
    r.negative_ = b.negative_;
  }
  r.Normalize();
  return r;
}

int Compare(const Decimal& a, const Decimal& b) {
  if (a.negative_ != b.negative_) return a.negative_ ? -1 : 1;
  int scale = std::max(a.scale_, b.scale_);
  std::size_t width = std::max(a.digits_.size() + static_cast<std::size_t>(scale - a.scale_),
                               b.digits_.size() + static_cast<std::size_t>(scale - b.scale_));
  int magnitude = Aligned(a.digits_, a.scale_, scale, width)
                      .compare(Aligned(b.digits_, b.scale_, scale, width));
  magnitude = magnitude < 0 ? -1 : (magnitude > 0 ? 1 : 0);
  return a.negative_ ? -magnitude : magnitude;
}

}  // namespace bc
