// Which borings a batch converts, in which order, and into which folders.
#ifndef BORINGCONV_BATCH_BATCH_PLAN_H_
#define BORINGCONV_BATCH_BATCH_PLAN_H_

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace bc {

struct BatchItem {
  std::filesystem::path source;  // host path of the source file
  std::u16string destination;    // drive path ROOT\<stem>, as the destination box holds it
};

// True for a file the batch takes from a folder.
using SourceFilter = std::function<bool(const std::filesystem::path&)>;

// A file that starts with the "QVN" tag of a source record file.
bool HasSourceTag(const std::filesystem::path& file);

// A source record file, or a boring exchange XML file: XML whose first
// kilobytes name the exchange format's root element (other XML, such as the
// pictures of an earlier batch, is not taken).
bool IsBoringFile(const std::filesystem::path& file);

// The borings of the sources in the order given: a file as it stands, a
// folder as every file below it that filter takes, walked in name order
// (links are not followed). Each goes into root\<file name without
// extension> made safe (SafeFolderName: "..." and "CON" never leave root or
// name a device); a stem met again, in any letter case, gets "_2", "_3"... A
// source that does not exist is kept, so that its conversion reports it.
std::vector<BatchItem> PlanBatch(const std::vector<std::filesystem::path>& sources,
                                 std::u16string_view root, const SourceFilter& filter);

}  // namespace bc

#endif  // BORINGCONV_BATCH_BATCH_PLAN_H_
