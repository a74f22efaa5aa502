#include "e2e/same_files.h"

#include <gtest/gtest.h>

#include "support/section_fixture.h"

namespace bc::testing {

void ExpectSameFiles(const std::filesystem::path& expected, const std::filesystem::path& actual) {
  ASSERT_TRUE(std::filesystem::exists(actual)) << actual;
  std::size_t count = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(expected)) {
    if (!entry.is_regular_file()) continue;
    std::filesystem::path relative = std::filesystem::relative(entry.path(), expected);
    SCOPED_TRACE(relative.string());
    ASSERT_TRUE(std::filesystem::exists(actual / relative));
    EXPECT_TRUE(ReadBytes(entry.path()) == ReadBytes(actual / relative));
    ++count;
  }
  EXPECT_GT(count, 0u);
}

}  // namespace bc::testing
