// The encodings a source record file is taken in, and their reading into
// code-page bytes, the one form every later step of a run reads.
//
// Shift_JIS (code page 932) is the format's own encoding. Editors and
// spreadsheets also save UTF-8, with or without a byte-order mark, and some
// UTF-16 with one; such a file is read as the same text. A file that reads
// as valid code page 932 is taken as that unless it starts with a UTF-8
// byte-order mark, so that every Shift_JIS file reads as it always did.
#ifndef BORINGCONV_TEXT_SOURCE_ENCODING_H_
#define BORINGCONV_TEXT_SOURCE_ENCODING_H_

#include <string>
#include <string_view>

namespace bc {

enum class SourceEncoding { kShiftJis, kUtf8, kUtf16 };

struct SourceDecoding {
  enum class Problem {
    kNone,
    kUnwritable,  // a character code page 932 has no bytes for
    kUnreadable,  // bytes that are not text of the encoding (of either, for kShiftJis)
  };
  Problem problem = Problem::kNone;
  SourceEncoding encoding = SourceEncoding::kShiftJis;
  // Without a problem: the text as code page 932 bytes whose lines end in
  // CR LF or CR (a bare LF became CR LF), so that lines are counted as an
  // editor counts them.
  std::string bytes;
  long line = 0;           // the one-based line of the problem
  char32_t character = 0;  // kUnwritable: the character
};

SourceDecoding DecodeSource(std::string bytes);

// The first line of the beginning of a file, decoded as DecodeSource would
// decode it (by its byte-order mark, else as code page 932, enough for the
// ASCII tag), for a look at many files that reads only their heads.
std::u16string SourceFirstLine(std::string_view head);

}  // namespace bc

#endif  // BORINGCONV_TEXT_SOURCE_ENCODING_H_
