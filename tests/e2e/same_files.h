// Comparing two folders of converted borings byte for byte.
#ifndef BORINGCONV_TESTS_E2E_SAME_FILES_H_
#define BORINGCONV_TESTS_E2E_SAME_FILES_H_

#include <filesystem>

namespace bc::testing {

// Every file below expected (at least one) is in actual with the same bytes.
void ExpectSameFiles(const std::filesystem::path& expected, const std::filesystem::path& actual);

}  // namespace bc::testing

#endif  // BORINGCONV_TESTS_E2E_SAME_FILES_H_
