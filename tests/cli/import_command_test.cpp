#include "cli/import_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

}  // namespace
}  // namespace bc::testing
