#include "run/run_error.h"

#include "text/utf8.h"

namespace bc {

RunError::RunError(std::u16string message, Where where)
    : std::runtime_error(ToUtf8(message)), message_(std::move(message)), where_(where) {}

RunError RunError::AtLine(std::u16string message, long line_number) {
  RunError error(std::move(message), Where::kCurrentLine);
  error.line_number_ = line_number;
  return error;
}

RunError RunError::InField(std::u16string message, int field) {
  RunError error(std::move(message), Where::kCurrentLine);
  error.field_ = field;
  return error;
}

RunError RunError::WithNote(std::u16string_view note) const {
  RunError error(message_ + u"\n" + std::u16string(note), where_);
  error.line_number_ = line_number_;
  error.field_ = field_;
  return error;
}

std::u16string CannotOpenMessage(std::u16string_view path) {
  return u"ファイルを開けません: " + std::u16string(path);
}

std::u16string CannotWriteMessage(std::u16string_view path) {
  return u"ファイルに書き込めません（ディスクの空きや書き込み権限を確認してください）: " +
         std::u16string(path);
}

std::u16string CannotReadMessage(std::u16string_view path) {
  return u"ファイルを読み込めません（ディスクやネットワークの状態を確認してください）: " +
         std::u16string(path);
}

std::u16string SymlinkOutputMessage(std::u16string_view path) {
  return u"出力ファイルの名前がシンボリックリンクのため書き込みません: " + std::u16string(path);
}

std::u16string NumberOutOfRangeMessage() {
  return u"数値が扱える範囲（-32768～32767）を超えています。";
}

std::u16string TooManyFieldsMessage() { return u"1 行のフィールドが 100 を超えています。"; }

}  // namespace bc
