#include "window/folder_list.h"

#include "window_model/folder_listing.h"

namespace bc {
namespace {

constexpr int kPathRole = Qt::UserRole;

}  // namespace

FolderList::FolderList(const Environment& env, QWidget* parent) : QListWidget(parent), env_(env) {
  connect(this, &QListWidget::itemActivated, this, &FolderList::OnActivated);
}

bool FolderList::SetPath(const std::u16string& path) {
  if (!IsFolder(env_, path)) return false;
  bool changed = path != path_;
  path_ = path;
  Fill();
  if (changed) emit pathChanged(path_);
  return true;
}

void FolderList::Fill() {
  clear();
  FolderListing listing = ListFolder(env_, path_);
  for (const FolderEntry& entry : listing.entries) {
    auto* item = new QListWidgetItem(QString::fromStdU16String(entry.text), this);
    item->setData(kPathRole, QString::fromStdU16String(entry.path));
  }
  setCurrentRow(static_cast<int>(listing.open_index));
}

void FolderList::OnActivated(QListWidgetItem* item) {
  SetPath(item->data(kPathRole).toString().toStdU16String());
}

}  // namespace bc
