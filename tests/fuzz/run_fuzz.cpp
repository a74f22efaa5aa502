// Arbitrary bytes as a source through a whole conversion run. The run works
// in a scratch folder of this process on disk: the source file, the output
// folder, and the bundled sample's pattern-data folder, put back as it was
// before every input so that runs do not grow the tables for each other.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "conversion/conversion.h"
#include "environment/environment.h"
#include "support/recording_ui.h"

namespace {

namespace fs = std::filesystem;

void WriteBytes(const fs::path& file, const char* data, std::size_t size) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(data, static_cast<std::streamsize>(size));
}

class Scratch {
 public:
  Scratch() {
    std::string pattern = (fs::temp_directory_path() / "boringconv-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    root_ = pattern;
    fs::create_directories(root_ / "c");
    fs::create_directories(root_ / "p");
    fs::create_directories(root_ / "program");
    for (const auto& entry : fs::directory_iterator(fs::path(BORINGCONV_SAMPLES) / "patdat")) {
      std::ifstream in(entry.path(), std::ios::binary);
      tables_[entry.path().filename()] =
          std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
  }
  ~Scratch() {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }

  // The pattern-data folder as the sample has it, and the input as source.
  void Reset(const std::uint8_t* data, std::size_t size) const {
    for (const auto& [name, bytes] : tables_) {
      WriteBytes(root_ / "p" / name, bytes.data(), bytes.size());
    }
    WriteBytes(root_ / "c" / "source.txt", reinterpret_cast<const char*>(data), size);
  }

  const fs::path& root() const { return root_; }

 private:
  fs::path root_;
  std::map<fs::path, std::string> tables_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Scratch* scratch = new Scratch;  // lives as long as the process
  scratch->Reset(data, size);
  bc::Environment env(bc::DriveMap(), scratch->root() / "program");
  env.drives().Map(u'C', scratch->root() / "c");
  env.drives().Map(u'P', scratch->root() / "p");
  bc::testing::RecordingUi ui;
  bc::RunConversion({u"C:\\source.txt", u"C:\\out", u"P:\\"}, env, ui);
  return 0;
}
