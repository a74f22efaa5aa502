#include "window/file_list.h"

#include "window_model/folder_listing.h"

namespace bc {

FileList::FileList(const Environment& env, QWidget* parent) : QListWidget(parent), env_(env) {
  connect(this, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { emit fileClicked(item->text().toStdU16String()); });
}

void FileList::SetPath(const std::u16string& path) {
  path_ = path;
  clear();
  for (const std::u16string& name : ListFiles(env_, path)) {
    addItem(QString::fromStdU16String(name));
  }
}

}  // namespace bc
