// The picture area: a preview of the boring last converted (soil column and
// N values on one depth scale), or a plain placeholder before any run.
#ifndef BORINGCONV_WINDOW_BORING_PREVIEW_H_
#define BORINGCONV_WINDOW_BORING_PREVIEW_H_

#include <QWidget>

#include "window/boring_profile.h"

namespace bc {

class BoringPreview : public QWidget {
  Q_OBJECT

 public:
  explicit BoringPreview(QWidget* parent = nullptr);

  void SetProfile(BoringProfile profile);
  void Clear();
  const BoringProfile& profile() const { return profile_; }
  bool HasProfile() const { return !profile_.empty(); }

 signals:
  // Any mouse movement over the picture, with or without a button held.
  void mouseMoved();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  BoringProfile profile_;
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_BORING_PREVIEW_H_
