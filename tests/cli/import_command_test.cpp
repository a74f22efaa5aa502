#include "cli/import_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "cli/command_line.h"
#include "support/section_fixture.h"
#include "text/utf8.h"

namespace bc::testing {
namespace {

const std::filesystem::path kData =
    std::filesystem::path(BORINGCONV_SOURCE_DIR) / "tests" / "data" / "exchange";

std::u16string Arg(const std::filesystem::path& path) { return FromUtf8(path.string()); }

TEST(ImportCommandTest, WritesTheRecordFile) {
  ScratchFolder scratch;
  std::filesystem::path out = scratch.path() / "b.txt";
  std::filesystem::path xml = kData / "corpus" / "KKRDB_BEDKK53361196007.xml";
  EXPECT_EQ(RunCommandLine({u"import", u"--output", Arg(out), Arg(xml)}), 0);
  EXPECT_EQ(ReadBytes(out), ReadBytes(kData / "expected" / "KKRDB_BEDKK53361196007.txt"));
  EXPECT_FALSE(std::filesystem::exists(scratch.path() / "b.txt.new"));
}

TEST(ImportCommandTest, BadXmlWritesNothing) {
  ScratchFolder scratch;
  std::filesystem::path xml = scratch.path() / "bad.xml";
  std::ofstream(xml, std::ios::binary) << "<?xml version=\"1.0\"?><ボーリング情報><a>";
  std::filesystem::path out = scratch.path() / "b.txt";
  EXPECT_EQ(RunImportCommand({u"-o", Arg(out), Arg(xml)}), 1);
  EXPECT_EQ(RunImportCommand({u"-o", Arg(out), Arg(scratch.path() / "missing.xml")}), 1);
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_FALSE(std::filesystem::exists(scratch.path() / "b.txt.new"));
}

TEST(ImportCommandTest, WrongCalls) {
  std::u16string error;
  EXPECT_FALSE(ParseImportLine({}, &error));
  EXPECT_FALSE(ParseImportLine({u"a.xml", u"b.xml"}, &error));
  EXPECT_FALSE(ParseImportLine({u"--output"}, &error));
  EXPECT_FALSE(ParseImportLine({u"--frobnicate", u"a.xml"}, &error));
  std::optional<ImportLine> line = ParseImportLine({u"--", u"-a.xml"}, &error);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->xml, u"-a.xml");
  EXPECT_FALSE(line->output);
  EXPECT_EQ(RunImportCommand({}), 2);
}

// Two imports to one file at once: after each round the file is one of the
// two imports, whole, and no scratch file stays.
TEST(ImportCommandTest, ConcurrentImportsLeaveOneWholeFile) {
  ScratchFolder scratch;
  std::filesystem::path out = scratch.path() / "b.txt";
  const char* names[] = {"KKRDB_BEDKK53361196007", "BOREHOLE_K-NET_BED10118000010010"};
  std::string expected[2];
  for (int i = 0; i < 2; ++i) {
    expected[i] = ReadBytes(kData / "expected" / (std::string(names[i]) + ".txt"));
  }
  for (int round = 0; round < 50; ++round) {
    int codes[2] = {-1, -1};
    std::vector<std::thread> imports;
    for (int i = 0; i < 2; ++i) {
      imports.emplace_back([&, i] {
        std::filesystem::path xml = kData / "corpus" / (std::string(names[i]) + ".xml");
        codes[i] = RunCommandLine({u"import", u"--output", Arg(out), Arg(xml)});
      });
    }
    for (std::thread& import : imports) import.join();
#ifdef _WIN32
    // Windows may refuse a replace while the other import holds the file
    // open: that import fails with its message, and the file stays whole.
    ASSERT_TRUE(codes[0] == 0 || codes[1] == 0);
#else
    ASSERT_EQ(codes[0], 0);
    ASSERT_EQ(codes[1], 0);
#endif
    std::string bytes = ReadBytes(out);
    ASSERT_TRUE(bytes == expected[0] || bytes == expected[1]) << "round " << round;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path()), {}), 1);
}

#ifndef _WIN32
TEST(ImportCommandTest, OutputThatIsALinkIsRefused) {
  ScratchFolder scratch;
  std::filesystem::path victim = scratch.path() / "victim.txt";
  WriteBytes(victim, "keep");
  std::filesystem::create_symlink(victim, scratch.path() / "b.txt");
  std::filesystem::path xml = kData / "corpus" / "KKRDB_BEDKK53361196007.xml";
  EXPECT_EQ(RunCommandLine({u"import", u"--output", Arg(scratch.path() / "b.txt"), Arg(xml)}), 1);
  EXPECT_EQ(ReadBytes(victim), "keep");
}
#endif

}  // namespace
}  // namespace bc::testing
