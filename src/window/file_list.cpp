#include "window/file_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace bc {

FileList::FileList(const Environment& env, QWidget* parent) : QListWidget(parent), env_(env) {
  connect(this, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { emit fileClicked(item->text().toStdU16String()); });
}

void FileList::SetPath(const std::u16string& path) {
  path_ = path;
  std::vector<std::u16string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(env_.HostPath(path), ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code entry_ec;
    if (it->is_regular_file(entry_ec)) names.push_back(FromHostPath(it->path().filename()));
  }
  std::sort(names.begin(), names.end());
  clear();
  for (const std::u16string& name : names) addItem(QString::fromStdU16String(name));
}

}  // namespace bc
