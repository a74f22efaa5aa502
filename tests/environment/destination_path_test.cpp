#include "environment/destination_path.h"

#include <gtest/gtest.h>

#include "support/section_fixture.h"
#include "text/utf8.h"

namespace bc {
namespace {

class DestinationPathTest : public ::testing::Test {
 protected:
  DestinationPathTest() : env_(DriveMap(), scratch_.path()) {
    env_.drives().Map(u'C', scratch_.path());
    env_.drives().Map(u'D', scratch_.path());
    env_.drives().Map(u'E', scratch_.path() / "missing");  // mapped, not ready
  }

  bool Validate(std::u16string& path) {
    last_ = ValidateDestinationPath(path, env_);
    return last_ == DestinationCheck::kValid;
  }

  testing::ScratchFolder scratch_;
  Environment env_;
  DestinationCheck last_ = DestinationCheck::kValid;
};

TEST_F(DestinationPathTest, NormalisesGoodPaths) {
  std::u16string path = u"  c:\\data  ";
  EXPECT_TRUE(Validate(path));
  EXPECT_EQ(path, u"c:\\data\\");
  EXPECT_EQ(env_.current_drive(), u'C');

  path = u"D:";
  EXPECT_TRUE(Validate(path));
  EXPECT_EQ(path, u"D:\\");
  EXPECT_EQ(env_.current_drive(), u'D');

  path = u"C:data";
  EXPECT_TRUE(Validate(path));
  EXPECT_EQ(path, u"C:\\data\\");
}

TEST_F(DestinationPathTest, WrongDriveLetterIsTheOnlyExplainedRejection) {
  for (std::u16string path : {u"data", u"\\\\server\\share", u"Ｃ:\\data"}) {
    EXPECT_FALSE(Validate(path));
    EXPECT_EQ(last_, DestinationCheck::kBadDriveName);
  }
}

TEST_F(DestinationPathTest, SilentRejections) {
  for (std::u16string path : {u"Q:\\data", u"E:\\x", u"C:\\a*", u"C:\\a?b"}) {
    EXPECT_FALSE(Validate(path));
    EXPECT_EQ(last_, DestinationCheck::kInvalid);
  }
  EXPECT_EQ(env_.current_drive(), 0);  // a drive that is not there leaves the current one
  std::u16string doubled = u"C:\\a\\\\b";
  EXPECT_FALSE(Validate(doubled));
  EXPECT_EQ(last_, DestinationCheck::kInvalid);
}

// ".." stops at the drive's root, as on Windows; an element Windows would
// take as a device, or change, is refused.
TEST_F(DestinationPathTest, NeverClimbsAboveTheDriveNorNamesADevice) {
  const std::pair<std::u16string, std::u16string> kept[] = {
      {u"C:\\..\\x", u"C:\\x\\"}, {u"C:\\OUT\\..\\..\\..\\..\\escape", u"C:\\escape\\"},
      {u"C:\\..\\..", u"C:\\"},   {u"C:\\a\\.\\b\\..", u"C:\\a\\"},
      {u"C:..\\x", u"C:\\x\\"},
  };
  for (auto [path, normal] : kept) {
    EXPECT_TRUE(Validate(path)) << ToUtf8(path);
    EXPECT_EQ(path, normal);
  }
  for (std::u16string path :
       {u"C:\\CON", u"C:\\a\\nul.txt\\b", u"C:\\COM1", u"C:\\lpt9.", u"C:\\a.", u"C:\\a \\b"}) {
    EXPECT_FALSE(Validate(path)) << ToUtf8(path);
  }
  EXPECT_EQ(env_.HostPath(u"C:\\..\\..\\x"), scratch_.path() / "x");
}

}  // namespace
}  // namespace bc
