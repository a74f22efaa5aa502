// A file list: every file of one folder, by name.
#ifndef BORINGCONV_WINDOW_FILE_LIST_H_
#define BORINGCONV_WINDOW_FILE_LIST_H_

#include <QListWidget>
#include <string>

#include "environment/environment.h"

namespace bc {

class FileList : public QListWidget {
  Q_OBJECT

 public:
  FileList(const Environment& env, QWidget* parent = nullptr);

  const std::u16string& Path() const { return path_; }

  // Lists the files of the folder path (a drive path).
  void SetPath(const std::u16string& path);

 signals:
  void fileClicked(const std::u16string& name);

 private:
  const Environment& env_;
  std::u16string path_;
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_FILE_LIST_H_
