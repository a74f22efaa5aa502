// Imports every exchange XML file under the given folders in one process and
// prints the median time per file and the total of one pass over them all.
//
//   bench_import [--rounds N] FOLDER...
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "exchange/exchange_import.h"
#include "run/run_error.h"

namespace {

struct Input {
  std::filesystem::path path;
  std::string bytes;
};

std::vector<Input> LoadInputs(const std::vector<std::filesystem::path>& folders) {
  std::vector<Input> inputs;
  for (const std::filesystem::path& folder : folders) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
      if (entry.path().extension() != ".xml") continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::ostringstream bytes;
      bytes << in.rdbuf();
      inputs.push_back({entry.path(), bytes.str()});
    }
  }
  std::sort(inputs.begin(), inputs.end(),
            [](const Input& a, const Input& b) { return a.path < b.path; });
  return inputs;
}

// Seconds to import one file; the best of the rounds, so that a busy
// machine's interruptions do not count.
double TimeImport(const Input& input, int rounds, bool* failed) {
  double best = 1e9;
  for (int r = 0; r < rounds; ++r) {
    auto start = std::chrono::steady_clock::now();
    try {
      std::string records = bc::ImportExchangeXml(input.bytes);
      if (records.empty()) *failed = true;
    } catch (const bc::RunError& e) {
      std::fprintf(stderr, "%s: %s\n", input.path.string().c_str(), e.what());
      *failed = true;
    }
    std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = 5;
  std::vector<std::filesystem::path> folders;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--rounds" && i + 1 < argc) {
      rounds = std::max(1, std::atoi(argv[++i]));
    } else {
      folders.emplace_back(arg);
    }
  }
  if (folders.empty()) {
    std::fprintf(stderr, "usage: bench_import [--rounds N] FOLDER...\n");
    return 2;
  }
  std::vector<Input> inputs = LoadInputs(folders);
  if (inputs.empty()) {
    std::fprintf(stderr, "no .xml files found\n");
    return 2;
  }
  bool failed = false;
  std::vector<double> times;
  std::size_t bytes = 0;
  for (const Input& input : inputs) {
    times.push_back(TimeImport(input, rounds, &failed));
    bytes += input.bytes.size();
  }
  double total = 0;
  for (double t : times) total += t;
  std::vector<double> sorted = times;
  std::sort(sorted.begin(), sorted.end());
  double median = sorted.size() % 2 == 1
                      ? sorted[sorted.size() / 2]
                      : (sorted[sorted.size() / 2 - 1] + sorted[sorted.size() / 2]) / 2;
  std::printf("files: %zu (%.1f MB)\n", inputs.size(), static_cast<double>(bytes) / 1e6);
  std::printf("median per file: %.3f ms\n", median * 1e3);
  std::printf(
      "slowest file: %.3f ms (%s)\n", sorted.back() * 1e3,
      inputs[static_cast<std::size_t>(std::max_element(times.begin(), times.end()) - times.begin())]
          .path.filename()
          .string()
          .c_str());
  std::printf("total, all files once: %.1f ms\n", total * 1e3);
  return failed ? 1 : 0;
}
