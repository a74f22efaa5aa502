// The first start's search for the pattern-data folder, on a thread of its
// own, so that a window can name the folder being searched and offer to
// cancel while it runs.
#ifndef BORINGCONV_WINDOW_MODEL_PATDAT_SEARCH_JOB_H_
#define BORINGCONV_WINDOW_MODEL_PATDAT_SEARCH_JOB_H_

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "environment/environment.h"

namespace bc {

// Called on the search's thread for every folder before it is searched
// (tests slow the search down with it).
using SearchStepHook = std::function<void(std::u16string_view folder)>;

// The search window's texts.
inline constexpr char16_t kSearchTitle[] = u"PATDAT の検索";
inline constexpr char16_t kSearchCaption[] = u"パターンデータのフォルダ (PATDAT) を探しています:";
inline constexpr char16_t kCancelText[] = u"キャンセル";

class PatdatSearchJob {
 public:
  // Starts searching the drives as FindPatdatFolder does.
  PatdatSearchJob(const Environment& env, SearchStepHook hook);
  // Cancels and waits.
  ~PatdatSearchJob();
  PatdatSearchJob(const PatdatSearchJob&) = delete;
  PatdatSearchJob& operator=(const PatdatSearchJob&) = delete;

  // The folder last reached; a window looks a few times a second rather
  // than being told each of tens of thousands.
  std::u16string CurrentFolder() const;
  void Cancel() { cancelled_ = true; }
  bool cancelled() const { return cancelled_; }
  bool Done() const { return done_; }

  // Waits for the search; the folder found, empty when cancelled or none.
  std::u16string Finish();

 private:
  const Environment& env_;
  SearchStepHook hook_;
  mutable std::mutex mutex_;
  std::u16string folder_;
  std::u16string found_;
  std::atomic<bool> cancelled_{false};
  std::atomic<bool> done_{false};
  std::thread worker_;
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_MODEL_PATDAT_SEARCH_JOB_H_
