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

namespace {

// "what（reason）: path", or "what（hint）: path" when the reason is not known.
std::u16string FileMessage(std::u16string_view what, FileError why, FileAccess access,
                           std::u16string_view hint, std::u16string_view path) {
  std::u16string reason = FileErrorText(why, access);
  if (reason.empty()) reason = hint;
  std::u16string text(what);
  if (!reason.empty()) text += u"（" + reason + u"）";
  return text + u": " + std::u16string(path);
}

}  // namespace

std::u16string CannotOpenMessage(std::u16string_view path, FileError why, FileAccess access) {
  return FileMessage(u"ファイルを開けません", why, access, u"", path);
}

std::u16string CannotWriteMessage(std::u16string_view path, FileError why) {
  return FileMessage(u"ファイルに書き込めません", why, FileAccess::kWrite,
                     u"ディスクの空きや書き込み権限を確認してください", path);
}

std::u16string CannotReadMessage(std::u16string_view path, FileError why) {
  return FileMessage(u"ファイルを読み込めません", why, FileAccess::kRead,
                     u"ディスクやネットワークの状態を確認してください", path);
}

std::u16string CannotCreateFolderMessage(std::u16string_view path, FileError why) {
  return FileMessage(u"フォルダを作成できません", why, FileAccess::kWrite, u"", path);
}

std::u16string SymlinkOutputMessage(std::u16string_view path) {
  return u"出力ファイルの名前がシンボリックリンクのため書き込みません: " + std::u16string(path);
}

std::u16string NumberOutOfRangeMessage() {
  return u"数値が扱える範囲（-32768～32767）を超えています。";
}

std::u16string TooManyFieldsMessage() { return u"1 行のフィールドが 100 を超えています。"; }

std::u16string CodePageMissingMessage() {
#ifdef _WIN32
  return u"このシステムにはコードページ 932（シフト JIS）がないため、変換できません。"
         u"何も書き込んでいません。";
#else
  return u"シフト JIS（CP932）の文字コード変換を準備できません"
         u"（システムの iconv / gconv モジュールを確認してください）。何も書き込んでいません。";
#endif
}

std::u16string UnencodableMessage(std::u16string_view path) {
  return u"シフト JIS で書けない文字（読めなかったバイトを含む）があるため、書き込みません: " +
         std::u16string(path);
}

std::u16string SymlinkFileMessage(std::u16string_view path) {
  return u"ファイルの名前がシンボリックリンクのため書き込みません: " + std::u16string(path);
}

}  // namespace bc
