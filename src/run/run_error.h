// The one error type of a conversion run. Writers and helpers throw it; the
// run catches it, shows its text to the user and stops without the success
// message.
#ifndef BORINGCONV_RUN_RUN_ERROR_H_
#define BORINGCONV_RUN_RUN_ERROR_H_

#include <stdexcept>
#include <string>

namespace bc {

class RunError : public std::runtime_error {
 public:
  enum class Where { kAnywhere, kCurrentLine };

  // where = kCurrentLine: the run adds the number of the source line it was
  // working on when the error reached it.
  explicit RunError(std::u16string message, Where where = Where::kAnywhere);

  // An error of a given source line, for readers that know it.
  static RunError AtLine(std::u16string message, long line_number);

  // An error of one field of the current line: the run quotes that field's
  // text rather than the whole line.
  static RunError InField(std::u16string message, int field);

  // The same error with a further sentence on a line of its own.
  RunError WithNote(std::u16string_view note) const;

  const std::u16string& message() const { return message_; }
  bool at_current_line() const { return where_ == Where::kCurrentLine; }
  long line_number() const { return line_number_; }  // 0 when not known here
  int field() const { return field_; }               // 0: the whole line

 private:
  std::u16string message_;
  Where where_;
  long line_number_ = 0;
  int field_ = 0;
};

// Messages of the run's own failures, shared by every writer.
std::u16string CannotOpenMessage(std::u16string_view path);
std::u16string CannotWriteMessage(std::u16string_view path);
std::u16string CannotReadMessage(std::u16string_view path);
std::u16string SymlinkOutputMessage(std::u16string_view path);
std::u16string NumberOutOfRangeMessage();
std::u16string TooManyFieldsMessage();

}  // namespace bc

#endif  // BORINGCONV_RUN_RUN_ERROR_H_
