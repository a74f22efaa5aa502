// The picture area: the picture of the boring last converted, painted from
// the model's drawing, or the placeholder. Pointing at a layer or an N point
// shows its tip; a right-click saves the picture as SVG or PNG.
#ifndef BORINGCONV_WIN32_WINDOW_PICTURE_VIEW_H_
#define BORINGCONV_WIN32_WINDOW_PICTURE_VIEW_H_

#include <windows.h>

#include <functional>
#include <string>

#include "window_model/converter_form.h"
#include "window_model/prompter.h"

namespace bc::win32 {

class PictureView {
 public:
  PictureView(const ConverterForm& form, Prompter& prompter) : form_(form), prompter_(prompter) {}

  static void Register(HINSTANCE instance);
  // Creates the child window; mouse_moved is told of every move over it.
  HWND Create(HWND parent, int id, std::function<void()> mouse_moved);
  void SetFont(HFONT font) { font_ = font; }
  // The model's picture changed.
  void Refresh();

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void Paint();
  void OnMouseMove(int x, int y);
  void OnContextMenu(int screen_x, int screen_y);
  void Save(bool svg);

  const ConverterForm& form_;
  Prompter& prompter_;
  std::function<void()> mouse_moved_;
  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  HFONT font_ = nullptr;
  std::u16string tip_;
};

}  // namespace bc::win32

#endif  // BORINGCONV_WIN32_WINDOW_PICTURE_VIEW_H_
