// The window's message boxes: the icon and buttons of a message style; the
// title, the record and scripted answers are the model's.
#ifndef BORINGCONV_WINDOW_MESSAGE_BOX_H_
#define BORINGCONV_WINDOW_MESSAGE_BOX_H_

#include <string_view>

#include "run/run_ui.h"
#include "window_model/prompter.h"

class QWidget;

namespace bc {

class MessageBoxes : public Prompter {
 public:
  // Shows a modal box over parent, or asks the provider when one is set.
  Answer Show(QWidget* parent, std::u16string_view text, MessageStyle style,
              std::u16string_view title);

  // Boxes asked for through the model while f runs are shown over parent.
  template <typename F>
  void OverParent(QWidget* parent, F f) {
    QWidget* former = parent_;
    parent_ = parent;
    f();
    parent_ = former;
  }

 protected:
  Answer ShowBox(const MessageRequest& request) override;

 private:
  QWidget* parent_ = nullptr;  // of the box being shown
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_MESSAGE_BOX_H_
