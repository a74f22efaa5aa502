// The picture area: the picture of the boring last converted (soil column
// and N values on one depth scale), or a plain placeholder before any run.
// A right-click saves the picture as SVG or PNG.
#ifndef BORINGCONV_WINDOW_BORING_PREVIEW_H_
#define BORINGCONV_WINDOW_BORING_PREVIEW_H_

#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "picture/boring_profile.h"

namespace bc {

enum class PictureFormat { kSvg, kPng };

// Asks where to save the picture: a host file name, empty to cancel.
// suggested is the file the dialog starts from.
using SavePathAsker = std::function<QString(PictureFormat format, const QString& suggested)>;

class BoringPreview : public QWidget {
  Q_OBJECT

 public:
  explicit BoringPreview(QWidget* parent = nullptr);

  // folder: where the boring was converted; save dialogs start there.
  void SetProfile(BoringProfile profile, QString folder = QString());
  void Clear();
  const BoringProfile& profile() const { return profile_; }
  bool HasProfile() const { return !profile_.empty(); }

  // Replaces the file dialog (tests).
  void SetSavePathAsker(SavePathAsker asker) { ask_save_path_ = std::move(asker); }

  // Writes the picture at its file size; false (and saveFailed) on failure.
  bool SavePicture(PictureFormat format, const QString& file);

 signals:
  // Any mouse movement over the picture, with or without a button held.
  void mouseMoved();
  void saveFailed(const std::u16string& message);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void AskAndSave(PictureFormat format);
  QString AskWithDialog(PictureFormat format, const QString& suggested);

  BoringProfile profile_;
  QString folder_;
  SavePathAsker ask_save_path_;
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_BORING_PREVIEW_H_
