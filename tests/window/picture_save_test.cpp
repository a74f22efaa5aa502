// The picture's right-click menu: saving as SVG (the same file as the
// command line writes) and as PNG (painted from the same primitives).
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "picture/band_colour.h"
#include "picture/picture_layout.h"
#include "picture/svg_picture.h"
#include "window/boring_preview.h"
#include "window_fixture.h"

namespace bc::testing {
namespace {

BoringProfile Sample() {
  BoringProfile profile;
  profile.name = u"B-1";
  profile.layers = {{2.0f, u"1041", u"盛土"}, {9.0f, u"2001", u"砂"}};
  profile.blows = {{1.15f, 4}, {5.15f, 68}};
  return profile;
}

std::string Bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Opens the preview's context menu and, once it shows, triggers the entry
// named choice (none when empty). Returns the entries the menu offered.
QStringList RightClick(BoringPreview& preview, const QString& choice) {
  QStringList offered;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    for (QAction* action : menu->actions()) {
      offered << action->text();
      if (action->text() == choice) action->trigger();
    }
    menu->close();
  });
  QPoint at(preview.width() / 2, preview.height() / 2);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, preview.mapToGlobal(at));
  QApplication::sendEvent(&preview, &event);
  QApplication::processEvents();
  return offered;
}

}  // namespace

class PictureSaveTest : public QObject {
  Q_OBJECT

 private slots:
  void SavesSvgAsTheCommandLineWritesIt() {
    WindowFixture fixture;
    BoringPreview preview;
    preview.resize(300, 500);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    preview.SetProfile(Sample(), QString::fromStdString(fixture.Root().string()));
    QString suggested;
    std::filesystem::path chosen = fixture.Root() / "pictures" / "b1";  // no suffix typed
    std::filesystem::create_directories(chosen.parent_path());
    preview.SetSavePathAsker([&](PictureFormat format, const QString& start) {
      if (format != PictureFormat::kSvg) return QString();
      suggested = start;
      return QString::fromStdString(chosen.string());
    });

    QStringList offered = RightClick(preview, QStringLiteral("SVG で保存…"));
    QCOMPARE(offered, QStringList({QStringLiteral("SVG で保存…"), QStringLiteral("PNG で保存…")}));
    QCOMPARE(suggested, QString::fromStdString((fixture.Root() / "B-1.svg").string()));
    std::filesystem::path saved = chosen.string() + ".svg";
    QVERIFY(std::filesystem::exists(saved));
    std::filesystem::path written = fixture.Root() / "written.svg";
    WritePictureSvg(Sample(), written);
    QVERIFY(Bytes(saved) == Bytes(written));
  }

  void SavesPngPaintedFromTheSamePrimitives() {
    WindowFixture fixture;
    BoringPreview preview;
    preview.resize(300, 500);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    preview.SetProfile(Sample());
    std::filesystem::path file = fixture.Root() / "b1.png";
    preview.SetSavePathAsker([&](PictureFormat format, const QString&) {
      return format == PictureFormat::kPng ? QString::fromStdString(file.string()) : QString();
    });
    RightClick(preview, QStringLiteral("PNG で保存…"));

    QImage image(QString::fromStdString(file.string()));
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(static_cast<int>(kPictureFileWidth) * 2,
                                 static_cast<int>(kPictureFileHeight) * 2));
    // Each band's fill shows at its corner, off the name in its middle.
    Drawing drawing = LayOutPicture(Sample(), kPictureFileWidth, kPictureFileHeight);
    int bands = 0;
    for (const RectShape& rect : drawing.rects()) {
      if (rect.role != Role::kLayer) continue;
      ++bands;
      QColor pixel =
          image.pixelColor(static_cast<int>(rect.x + 4) * 2, static_cast<int>(rect.y + 4) * 2);
      Colour fill = *rect.fill;
      QCOMPARE(pixel, QColor(fill.r, fill.g, fill.b));
    }
    QCOMPARE(bands, 2);
    // The point of N 68 is red at the axis end.
    const DotShape& dot = drawing.dots().back();
    QColor red =
        image.pixelColor(static_cast<int>(dot.centre.x * 2), static_cast<int>(dot.centre.y * 2));
    QCOMPARE(red, QColor(dot.colour.r, dot.colour.g, dot.colour.b));
  }

  void NoMenuBeforeAnyRunAndCancelWritesNothing() {
    WindowFixture fixture;
    BoringPreview preview;
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QVERIFY(RightClick(preview, QString()).isEmpty());

    preview.SetProfile(Sample(), QString::fromStdString(fixture.Root().string()));
    int asked = 0;
    preview.SetSavePathAsker([&](PictureFormat, const QString&) {
      ++asked;
      return QString();
    });
    RightClick(preview, QStringLiteral("SVG で保存…"));
    QCOMPARE(asked, 1);
    QVERIFY(!std::filesystem::exists(fixture.Root() / "B-1.svg"));
  }

  void FailedSaveIsReportedByTheWindow() {
    WindowFixture fixture;
    auto form = fixture.MakeWindow();
    auto* preview = form->findChild<BoringPreview*>("picture");
    preview->SetProfile(Sample());
    for (PictureFormat format : {PictureFormat::kSvg, PictureFormat::kPng}) {
      std::filesystem::path file = fixture.Root() / "missing" / "b1.pic";
      QVERIFY(!preview->SavePicture(format, QString::fromStdString(file.string())));
    }
    const auto& shown = form->message_boxes().shown();
    QCOMPARE(shown.size(), std::size_t{2});
    for (const MessageRequest& box : shown) {
      QCOMPARE(box.style, MessageStyle::kError);
      QVERIFY(QString::fromStdU16String(box.text).endsWith(QStringLiteral("b1.pic")));
    }
  }
};

}  // namespace bc::testing

QTEST_MAIN(bc::testing::PictureSaveTest)
#include "picture_save_test.moc"
