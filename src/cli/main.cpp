#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("boringconv %s\n", BORINGCONV_VERSION);
    return 0;
  }
  std::fprintf(stderr, "usage: boringconv --version\n");
  return 2;
}
