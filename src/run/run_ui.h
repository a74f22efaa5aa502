// How a conversion run talks to its user: the status text, message boxes,
// the busy pointer and one repaint. The window, the command line and the
// tests' recording fake implement it.
#ifndef BORINGCONV_RUN_RUN_UI_H_
#define BORINGCONV_RUN_RUN_UI_H_

#include <string>
#include <string_view>
#include <vector>

namespace bc {

// Message box styles: buttons and icon.
enum class MessageStyle {
  kOk,             // an OK button, no icon
  kInformation,    // OK, the information icon
  kYesNoQuestion,  // Yes and No, the question icon
  kExclamation,    // OK, the warning icon
  kError,          // OK, the error icon: the run's own failures (files, numbers)
};

// Answers of a message box.
enum class Answer { kOk, kYes, kNo };

class RunUi {
 public:
  virtual ~RunUi() = default;

  // The status label (Label3).
  virtual void SetStatus(std::u16string_view text) = 0;

  // Says that the run waits for another one (the pattern-data folder's
  // lock); a terminal shows it as a line of its own.
  virtual void ShowWaiting(std::u16string_view text) {
    SetStatus(text);
    Repaint();
  }

  // Shows a message and returns the answer. An empty title means the
  // program's default title.
  virtual Answer ShowMessage(std::u16string_view text, MessageStyle style,
                             std::u16string_view title) = 0;

  // The hourglass pointer while the run works.
  virtual void SetBusy(bool busy) = 0;

  // Lets the window repaint once.
  virtual void Repaint() = 0;

  // Puts the focus on the destination box with its whole text selected.
  virtual void FocusDestination() {}

  // After the success text, once, when the run has warnings for the user
  // (code tables that ran out of codes).
  virtual void ShowWarnings(const std::vector<std::u16string>& warnings) = 0;
};

}  // namespace bc

#endif  // BORINGCONV_RUN_RUN_UI_H_
