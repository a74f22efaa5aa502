// An exact decimal number, held as its digits. Values of the exchange XML are
// rounded and written exactly as the digits say, never through binary
// floating point (30.2999992370605 must round to 30.3, 8.15 + 0.303 must be
// 8.453).
#ifndef BORINGCONV_EXCHANGE_DECIMAL_H_
#define BORINGCONV_EXCHANGE_DECIMAL_H_

#include <optional>
#include <string>
#include <string_view>

namespace bc {

class Decimal {
 public:
  Decimal() = default;  // zero

  static Decimal FromInt(long value);

  // Reads [+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([eE][+-]?[0-9]+)? exactly; nothing
  // for any other text, and for values whose first significant digit lies
  // beyond 10^29 or below 10^-29.
  static std::optional<Decimal> Parse(std::u16string_view text);

  // Rounded half away from zero to at most `decimals` fraction digits.
  Decimal Rounded(int decimals) const;

  // This value times 10^-places (places >= 0).
  Decimal Divided10(int places) const;

  bool is_zero() const { return digits_.empty(); }
  bool negative() const { return negative_; }

  // No exponent, no "+", no trailing zeros, "0" for zero.
  std::u16string Plain() const;
  // The plain form with at least `min_decimals` fraction digits.
  std::u16string Fixed(int min_decimals) const;

  friend Decimal operator+(const Decimal& a, const Decimal& b);
  friend int Compare(const Decimal& a, const Decimal& b);
  friend bool operator==(const Decimal& a, const Decimal& b) { return Compare(a, b) == 0; }
  friend bool operator<(const Decimal& a, const Decimal& b) { return Compare(a, b) < 0; }
  friend bool operator<=(const Decimal& a, const Decimal& b) { return Compare(a, b) <= 0; }

 private:
  void Normalize();

  bool negative_ = false;
  std::string digits_;  // ASCII digits without leading zeros; empty for zero
  int scale_ = 0;       // value = digits_ / 10^scale_; no trailing fraction zeros
};

// Depth form: the plain form with at least 2 decimals ("12.00", "3.485").
inline std::u16string DepthForm(const Decimal& value) { return value.Fixed(2); }

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_DECIMAL_H_
