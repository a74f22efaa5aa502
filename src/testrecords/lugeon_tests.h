// The Lugeon tests of the code-4010 records: their table, and the per-test
// heading (.HED) and settings (.TMP) files.
#ifndef BORINGCONV_TESTRECORDS_LUGEON_TESTS_H_
#define BORINGCONV_TESTRECORDS_LUGEON_TESTS_H_

#include <array>
#include <string>
#include <string_view>

#include "run/record.h"
#include "run/run_context.h"

namespace bc {

struct LugeonTable {
  static constexpr int kMaxTests = 20;
  static constexpr float kDefaultPoints = 15;

  // values[n][i]: value i (1 to 9) of test n (1 to 20), from field i + 1 of
  // the n-th code-4010 record. Value 9 is the number of points.
  std::array<std::array<float, 11>, kMaxTests + 1> values{};
  int count = 0;

  float Value(int test, int i) const { return values[test][i]; }
};

// Stores the current code-4010 record as the next test and returns its
// number. A 21st test stops the run.
int StoreLugeonTest(const Record& record, LugeonTable& tests);

// "LUGON_" and the test number: "LUGON_1", "LUGON_12".
std::u16string LugeonBaseName(int test);

// The scales of the .TMP file; a value equal to a threshold keeps the lower.
std::u16string_view FirstScale(float value3);
std::u16string_view SecondScale(float value4);

// Writes base_name.HED and then base_name.TMP for the test.
void WriteLugeonSetupFiles(const RunContext& ctx, std::u16string_view base_name, int test,
                           const LugeonTable& tests);

}  // namespace bc

#endif  // BORINGCONV_TESTRECORDS_LUGEON_TESTS_H_
