#include "window/folder_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "window/drive_path.h"

namespace bc {
namespace {

constexpr int kPathRole = Qt::UserRole;

bool IsFolder(const Environment& env, const std::u16string& path) {
  std::filesystem::path host = env.HostPath(path);
  std::error_code ec;
  return !host.empty() && std::filesystem::is_directory(host, ec);
}

std::vector<std::u16string> SubFolders(const Environment& env, const std::u16string& path) {
  std::vector<std::u16string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(env.HostPath(path), ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code entry_ec;
    if (it->is_directory(entry_ec)) names.push_back(FromHostPath(it->path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

// "C:\a\b" gives "C:\", "C:\a", "C:\a\b".
std::vector<std::u16string> Chain(const std::u16string& path) {
  std::vector<std::u16string> chain{path};
  while (chain.front().size() > 3) chain.insert(chain.begin(), ParentFolder(chain.front()));
  return chain;
}

std::u16string LastName(const std::u16string& path) {
  return path.size() <= 3 ? path : path.substr(path.find_last_of(u'\\') + 1);
}

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
  int depth = 0;
  for (const std::u16string& folder : Chain(path_)) {
    auto* item = new QListWidgetItem(
        QString(depth * 2, u' ') + QString::fromStdU16String(LastName(folder)), this);
    item->setData(kPathRole, QString::fromStdU16String(folder));
    ++depth;
  }
  setCurrentRow(count() - 1);
  for (const std::u16string& name : SubFolders(env_, path_)) {
    auto* item =
        new QListWidgetItem(QString(depth * 2, u' ') + QString::fromStdU16String(name), this);
    item->setData(kPathRole, QString::fromStdU16String(JoinFolderName(path_, name)));
  }
}

void FolderList::OnActivated(QListWidgetItem* item) {
  SetPath(item->data(kPathRole).toString().toStdU16String());
}

}  // namespace bc
