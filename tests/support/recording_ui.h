// A run user interface that records what the run showed and answers the
// folder question from a script.
#ifndef BORINGCONV_TESTS_SUPPORT_RECORDING_UI_H_
#define BORINGCONV_TESTS_SUPPORT_RECORDING_UI_H_

#include <string>
#include <vector>

#include "run/run_ui.h"

namespace bc::testing {

class RecordingUi : public RunUi {
 public:
  struct Message {
    std::u16string text;
    MessageStyle style;
    std::u16string title;
  };

  void SetStatus(std::u16string_view text) override { statuses.emplace_back(text); }
  Answer ShowMessage(std::u16string_view text, MessageStyle style,
                     std::u16string_view title) override {
    messages.push_back({std::u16string(text), style, std::u16string(title)});
    return style == MessageStyle::kYesNoQuestion ? answer : Answer::kOk;
  }
  void SetBusy(bool is_busy) override { busy.push_back(is_busy); }
  void Repaint() override { ++repaints; }
  void FocusDestination() override { ++focus_requests; }
  void ShowWarnings(const std::vector<std::u16string>& shown) override {
    warnings.push_back(shown);
  }

  const std::u16string& status() const {
    static const std::u16string kNone;
    return statuses.empty() ? kNone : statuses.back();
  }

  Answer answer = Answer::kYes;
  std::vector<std::u16string> statuses;
  std::vector<Message> messages;
  std::vector<bool> busy;
  int repaints = 0;
  int focus_requests = 0;
  std::vector<std::vector<std::u16string>> warnings;  // one entry per call
};

}  // namespace bc::testing

#endif  // BORINGCONV_TESTS_SUPPORT_RECORDING_UI_H_
