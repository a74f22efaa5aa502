// The first column of every numbered test-record file.
#ifndef BORINGCONV_TESTRECORDS_LINE_NUMBER_COLUMN_H_
#define BORINGCONV_TESTRECORDS_LINE_NUMBER_COLUMN_H_

#include <cstdint>
#include <string>

#include "text/str_form.h"

namespace bc {

// The counter right-fitted to 3 characters: 1000 keeps only "000".
inline std::u16string LineNumberColumn(std::int16_t counter) {
  return RightFit(StrInteger(counter), 3);
}

}  // namespace bc

#endif  // BORINGCONV_TESTRECORDS_LINE_NUMBER_COLUMN_H_
