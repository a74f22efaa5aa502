// The small window over the first start's search for the pattern-data
// folder: it names the folder being searched and offers to cancel.
#ifndef BORINGCONV_WINDOW_PATDAT_SEARCH_WINDOW_H_
#define BORINGCONV_WINDOW_PATDAT_SEARCH_WINDOW_H_

#include <QDialog>
#include <functional>
#include <string>
#include <string_view>

#include "environment/environment.h"
#include "window_model/patdat_search_job.h"

class QLabel;
class QPushButton;

namespace bc {

class PatdatSearchWindow : public QDialog {
  Q_OBJECT

 public:
  explicit PatdatSearchWindow(QWidget* parent = nullptr);

  void ShowFolder(const QString& folder);
  bool cancelled() const { return cancelled_; }

  // Cancel, Escape and the close button ask the search to stop; the window
  // stays until it has.
  void reject() override;

 signals:
  void cancelRequested();

 private:
  QLabel* folder_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool cancelled_ = false;
};

// Searches the drives as FindPatdatFolder does while the window is shown.
// Cancel (or closing the window) counts as not found.
std::u16string SearchPatdatWithWindow(const Environment& env, const SearchStepHook& hook = {});

}  // namespace bc

#endif  // BORINGCONV_WINDOW_PATDAT_SEARCH_WINDOW_H_
