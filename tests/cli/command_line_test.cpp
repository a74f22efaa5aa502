#include "cli/command_line.h"

#include <gtest/gtest.h>

namespace bc {
namespace {

std::optional<CommandLine> Parse(std::vector<std::u16string> args, std::u16string* error) {
  return ParseCommandLine(args, error);
}

TEST(CommandLineTest, OptionsAndPaths) {
  std::u16string error;
  auto line = Parse({u"--patdat", u"P:\\PATDAT", u"--drive", u"C=/srv/c", u"--drive", u"D=/srv/d",
                     u"--yes", u"C:\\b.txt", u"C:\\out"},
                    &error);
  ASSERT_TRUE(line) << std::string(error.begin(), error.end());
  EXPECT_EQ(line->patdat, std::optional<std::u16string>(u"P:\\PATDAT"));
  EXPECT_EQ(line->drives.size(), 2u);
  EXPECT_EQ(line->answer, std::optional<bool>(true));
  EXPECT_EQ(line->source, u"C:\\b.txt");
  EXPECT_EQ(line->destination, u"C:\\out");
}

TEST(CommandLineTest, WrongCalls) {
  std::u16string error;
  EXPECT_FALSE(Parse({u"a"}, &error));
  EXPECT_FALSE(Parse({u"a", u"b", u"c"}, &error));
  EXPECT_FALSE(Parse({u"--yes", u"--no", u"a", u"b"}, &error));
  EXPECT_FALSE(Parse({u"--patdat"}, &error));
  EXPECT_FALSE(Parse({u"--frobnicate", u"a", u"b"}, &error));
  EXPECT_EQ(error.find(u"--frobnicate"), error.size() - 12);
}

TEST(CommandLineTest, HelpAndVersionNeedNoPaths) {
  std::u16string error;
  EXPECT_TRUE(Parse({u"--help"}, &error)->help);
  EXPECT_TRUE(Parse({u"--version"}, &error)->version);
  EXPECT_EQ(RunCommandLine({u"--bogus"}), 2);
  EXPECT_EQ(RunCommandLine({u"--version"}), 0);
}

}  // namespace
}  // namespace bc
