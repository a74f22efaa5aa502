#include "window/patdat_choice.h"

#include <QFileDialog>

#include "environment/environment.h"

namespace bc {

std::filesystem::path PickFolderWithDialog() {
  QString folder = QFileDialog::getExistingDirectory(
      nullptr, QString::fromStdU16String(std::u16string(kPickPatdatCaption)));
  return folder.isEmpty() ? std::filesystem::path() : ToHostPath(folder.toStdU16String());
}

}  // namespace bc
