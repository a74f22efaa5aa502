// Reading X1.TXT and X5.TXT for the preview, and telling fresh files from
// those an earlier run left.
#include <QTest>
#include <thread>

#include "picture/boring_profile.h"
#include "picture/fresh_output.h"
#include "window_fixture.h"

namespace bc::testing {

class BoringProfileTest : public QObject {
  Q_OBJECT

 private slots:
  void ReadsLayersAndBlowCounts() {
    WindowFixture fixture;
    WriteAnsiLines(fixture.Root() / "X1.TXT",
                   {u"  1,   1.50,5010,表土", u"  2,   4.2,1200,砂質シルト,礫混じり",
                    u"broken line", u"  3,  12.00,0000,"});
    WriteAnsiLines(fixture.Root() / "X5.TXT",
                   {u"  1,   1.15, 12, 12, 30,  3, 10,  4, 10,  5, 10",
                    u"  2,   2.15, 60, 60, 10, 60, 10,  0,  0,  0,  0", u"  3,   x, 1, 1, 1"});
    BoringProfile profile =
        ReadBoringProfile({{}, fixture.Root() / "X1.TXT", fixture.Root() / "X5.TXT"}, u"b1");
    QCOMPARE(profile.layers.size(), std::size_t{3});
    QCOMPARE(profile.layers[0].bottom, 1.5f);
    QCOMPARE(profile.layers[0].code, std::u16string(u"5010"));
    QCOMPARE(profile.layers[0].name, std::u16string(u"表土"));
    QCOMPARE(profile.layers[1].name, std::u16string(u"砂質シルト,礫混じり"));
    QVERIFY(profile.layers[2].name.empty());
    QCOMPARE(profile.blows.size(), std::size_t{2});
    QCOMPARE(profile.blows[0].depth, 1.15f);
    QCOMPARE(profile.blows[0].n, 12);
    QCOMPARE(profile.blows[1].n, 60);
    QCOMPARE(profile.Depth(), 12.0f);
  }

  void MissingFilesGiveAnEmptyProfile() {
    WindowFixture fixture;
    BoringProfile profile = ReadBoringProfile({{}, fixture.Root() / "X1.TXT", {}}, u"b1");
    QVERIFY(profile.empty());
    QCOMPARE(profile.Depth(), 0.0f);
  }

  void FreshOnlyWhenWrittenAfterwards() {
    WindowFixture fixture;
    std::filesystem::path old_file = fixture.Root() / "old.txt";
    std::filesystem::path new_file = fixture.Root() / "new.txt";
    WriteBytes(old_file, "old");
    std::filesystem::last_write_time(
        old_file, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    FreshOutput left_alone(old_file);
    FreshOutput created(new_file);
    FreshOutput rewritten(old_file);
    QVERIFY(!created.Written());
    WriteBytes(new_file, "new");
    QVERIFY(!left_alone.Written());
    QVERIFY(created.Written());
    WriteBytes(old_file, "again");
    QVERIFY(rewritten.Written());
  }
};

}  // namespace bc::testing

QTEST_MAIN(bc::testing::BoringProfileTest)
#include "boring_profile_test.moc"
