// The floor of a conversion: reads the source whole and writes as many
// bytes into files of the same names and sizes as a conversion's outputs
// in REFERENCE, taken from the source, with nothing decoded or computed.
//
//   bench_floor SOURCE REFERENCE OUT
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: bench_floor SOURCE REFERENCE OUT\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.eof() && in.fail()) return 1;
  std::filesystem::create_directories(argv[3]);
  std::size_t at = 0;
  for (const auto& entry : std::filesystem::directory_iterator(argv[2])) {
    if (!entry.is_regular_file()) continue;
    std::uintmax_t size = entry.file_size();
    std::ofstream out(std::filesystem::path(argv[3]) / entry.path().filename(), std::ios::binary);
    while (size > 0 && !source.empty()) {
      std::size_t piece =
          static_cast<std::size_t>(std::min<std::uintmax_t>(size, source.size() - at));
      out.write(source.data() + at, static_cast<std::streamsize>(piece));
      at = (at + piece) % source.size();
      size -= piece;
    }
    if (!out.flush()) return 1;
  }
  return 0;
}
