// Generated borings that add names to every growing table of the
// pattern-data folder, for whole runs that share one folder.
#ifndef BORINGCONV_TESTS_E2E_GROWING_BORING_H_
#define BORINGCONV_TESTS_E2E_GROWING_BORING_H_

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace bc::testing {

// How a growing table writes an entry: code, then name, then fixed fields.
struct GrowingTable {
  const char* file;
  int code_width;               // 2 or 4 characters
  bool zero_padded;             // "07" rather than " 7"
  std::u16string_view between;  // after the code, before the name
  std::u16string_view after;    // after the name
  // KISHITU.TXT: the layout of an entry copied from XKISHITU.TXT, whose
  // fields were trimmed as read (a run stopped between the two files).
  std::u16string_view copied_after = {};
};

// KISHITU.TXT, XKISHITU.TXT, L13.TXT to L17.TXT, L18.TXT, L18B.TXT and L19.TXT.
const std::array<GrowingTable, 10>& GrowingTables();
const GrowingTable& FindGrowingTable(std::string_view file);

// The line a run appends for name under code.
std::u16string TableLine(const GrowingTable& table, int code, std::u16string_view name);

struct GrowingBoring {
  std::string source;  // UTF-8 with LF, as the case folders hold it
  // Names the run must find or add, per table file. The soil names go to
  // both dictionary files.
  std::map<std::string, std::vector<std::u16string>> names;
};

// A boring with one name of its own (from id) and one it shares with every
// boring of the same shared_id, for each growing table: the shared names
// make runs at the same time race to add the same name.
GrowingBoring MakeGrowingBoring(int id, int shared_id);

}  // namespace bc::testing

#endif  // BORINGCONV_TESTS_E2E_GROWING_BORING_H_
