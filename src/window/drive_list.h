// A drive list: one entry per drive of the drive table, shown as the letter
// and ":" followed by where the drive lives.
#ifndef BORINGCONV_WINDOW_DRIVE_LIST_H_
#define BORINGCONV_WINDOW_DRIVE_LIST_H_

#include <QComboBox>

#include "environment/drive_map.h"

namespace bc {

class DriveList : public QComboBox {
  Q_OBJECT

 public:
  DriveList(const DriveMap& drives, QWidget* parent = nullptr);

  // The selected drive letter, 0 when the list is empty.
  char16_t Drive() const;

  // Selects letter without emitting driveChanged; false when it is not listed.
  bool SelectQuietly(char16_t letter);

 signals:
  // The user picked another drive.
  void driveChanged(char16_t letter);

 private:
  void OnIndexChanged(int index);
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_DRIVE_LIST_H_
