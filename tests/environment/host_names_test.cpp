// Files whose names hold Japanese text must be found, written and read under
// exactly that name: on Windows only wide-character paths can carry it.
#include <gtest/gtest.h>

#include <filesystem>

#include "environment/environment.h"
#include "run/output_file.h"
#include "run/table_file.h"
#include "support/section_fixture.h"
#include "text/line_reader.h"

namespace bc {
namespace {

TEST(HostNamesTest, JapaneseFolderAndFileNamesRoundTrip) {
  testing::ScratchFolder scratch;
  Environment env(DriveMap(), scratch.path());
  env.drives().Map(u'D', scratch.path());
  std::filesystem::create_directories(env.HostPath(u"D:\\地質データ"));

  std::filesystem::path table = env.HostPath(u"D:\\地質データ\\土質名ＡＢ.TXT");
  OutputFile out(table, u"土質名ＡＢ.TXT");
  out.WriteLine(u"1,粘土");
  out.Close();
  FileSystem& fs = FileSystem::Default();
  AppendTableLine(fs, table, u"土質名ＡＢ.TXT", u"2,ｼﾙﾄ", nullptr);
  EXPECT_EQ(SplitLinesAnyEnd(ReadTableBytes(fs, table, u"土質名ＡＢ.TXT")),
            (std::vector<std::u16string>{u"1,粘土", u"2,ｼﾙﾄ"}));

  ReplaceTableLines(fs, table, u"土質名ＡＢ.TXT", {u"3,砂礫"});
  LineReader reader;
  ASSERT_TRUE(reader.Open(table));
  EXPECT_EQ(reader.ReadLine(), u"3,砂礫");

  // Exactly one entry, under the name as written.
  std::vector<std::u16string> names;
  for (const auto& entry :
       std::filesystem::directory_iterator(scratch.path() / table.parent_path().filename())) {
    names.push_back(FromHostPath(entry.path().filename()));
  }
  EXPECT_EQ(names, std::vector<std::u16string>{u"土質名ＡＢ.TXT"});
  EXPECT_EQ(env.drives().ToDrivePath(table),
            std::optional<std::u16string>(u"D:\\地質データ\\土質名ＡＢ.TXT"));
}

}  // namespace
}  // namespace bc
