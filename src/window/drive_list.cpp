#include "window/drive_list.h"

#include <QSignalBlocker>
#include <QString>

#include "window_model/folder_listing.h"

namespace bc {

DriveList::DriveList(const DriveMap& drives, QWidget* parent) : QComboBox(parent) {
  for (const DriveEntry& entry : DriveEntries(drives)) {
    addItem(QString::fromStdU16String(entry.text), QVariant(static_cast<int>(entry.letter)));
  }
  // A drive mapped to a deep folder must not widen the window past the
  // screen; the open list still shows the whole text.
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(16);
  connect(this, &QComboBox::currentIndexChanged, this, &DriveList::OnIndexChanged);
}

char16_t DriveList::Drive() const {
  return currentIndex() < 0 ? char16_t{0} : static_cast<char16_t>(currentData().toInt());
}

bool DriveList::SelectQuietly(char16_t letter) {
  int index = findData(QVariant(static_cast<int>(letter)));
  if (index < 0) return false;
  QSignalBlocker blocker(this);
  setCurrentIndex(index);
  return true;
}

void DriveList::OnIndexChanged(int index) {
  if (index >= 0) emit driveChanged(Drive());
}

}  // namespace bc
