// A folder list: the folders from the drive root down to the open folder,
// then the folders inside it. Activating an entry (double click or Enter)
// opens it.
#ifndef BORINGCONV_WINDOW_FOLDER_LIST_H_
#define BORINGCONV_WINDOW_FOLDER_LIST_H_

#include <QListWidget>
#include <string>

#include "environment/environment.h"

namespace bc {

class FolderList : public QListWidget {
  Q_OBJECT

 public:
  FolderList(const Environment& env, QWidget* parent = nullptr);

  // The open folder: "C:\" or "C:\data"; empty before any is opened.
  const std::u16string& Path() const { return path_; }

  // Opens path (a drive path naming an existing folder). Emits pathChanged
  // when the open folder changes. Returns false, keeping the former folder,
  // when path names no folder.
  bool SetPath(const std::u16string& path);

 signals:
  void pathChanged(const std::u16string& path);

 private:
  void Fill();
  void OnActivated(QListWidgetItem* item);

  const Environment& env_;
  std::u16string path_;
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_FOLDER_LIST_H_
