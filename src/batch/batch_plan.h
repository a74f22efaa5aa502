// Which borings a batch converts, in which order, and into which folders,
// and which files it walked past and why.
#ifndef BORINGCONV_BATCH_BATCH_PLAN_H_
#define BORINGCONV_BATCH_BATCH_PLAN_H_

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "environment/file_error.h"

namespace bc {

struct BatchItem {
  std::filesystem::path source;  // host path of the source file
  std::u16string destination;    // drive path ROOT\<stem>, as the destination box holds it
  // Not empty for a file the batch cannot read: the boring stops with this
  // message without a run (and without a folder).
  std::u16string problem = {};
};

// What a file of a walked folder is.
enum class FileKind {
  kRecord,       // a source record file: its first line starts with "QVN"
  kExchangeXml,  // a boring exchange XML file
  kOtherXml,     // XML of another kind (the pictures of an earlier batch, say)
  kOther,        // anything else
  kUnreadable,   // cannot be opened or read
};

// Why the batch passed over a file it walked past.
enum class PassedOver { kNotBoring, kOtherXml, kLink, kNotPlainFile };

struct SkippedFile {
  std::filesystem::path file;
  PassedOver why;
};

struct BatchPlan {
  std::vector<BatchItem> items;
  std::vector<SkippedFile> skipped;  // in walk order
};

// Tells what a file is; sets why for kUnreadable.
using FileClassifier = std::function<FileKind(const std::filesystem::path&, FileError* why)>;

// Whether the first line of a file's head holds the "QVN" tag, in
// Shift_JIS, or in UTF-8 or UTF-16 after a byte-order mark.
bool HasSourceTag(std::string_view head);

// What a file is, from its first kilobytes, read through the host's file
// system. Exchange XML is XML whose head names the format's root element.
FileKind ClassifyFile(const std::filesystem::path& file, FileError* why);

// The reason shown for a passed-over file.
std::u16string PassedOverText(PassedOver why);

// The borings of the sources in the order given: a file as it stands, a
// folder as every record or exchange file below it, walked in name order;
// links are not followed. Each goes into root\<file name without
// extension> made safe (SafeFolderName: "..." and "CON" never leave root or
// name a device); a stem met again, in any letter case, gets "_2", "_3"... A
// file given by name is converted whatever it holds, so that its run says
// what is wrong; one that cannot be read, and an unreadable file or folder
// met in the walk, is a boring with a problem.
BatchPlan PlanBatch(const std::vector<std::filesystem::path>& sources, std::u16string_view root,
                    const FileClassifier& classify = ClassifyFile);

}  // namespace bc

#endif  // BORINGCONV_BATCH_BATCH_PLAN_H_
