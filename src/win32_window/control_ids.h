// The window's class names and control identifiers, shared with the test
// driver that finds and presses them.
#ifndef BORINGCONV_WIN32_WINDOW_CONTROL_IDS_H_
#define BORINGCONV_WIN32_WINDOW_CONTROL_IDS_H_

namespace bc::win32 {

inline constexpr wchar_t kMainClass[] = L"BoringconvWindow";
inline constexpr wchar_t kPictureClass[] = L"BoringconvPicture";
inline constexpr wchar_t kSearchClass[] = L"BoringconvSearch";

enum ControlId : int {
  kSourceDrives = 100,
  kSourceFolders,
  kSourceFiles,
  kDestinationDrives,
  kDestinationFolders,
  kSourceBox,
  kDestinationBox,
  kRunButton,
  kQuitButton,
  kStatusLabel,
  kPicture,
  kPatdatButton,
  kSourceFrame,
  kDestinationFrame,
  kMessageFrame,
  kSourceCaption,
  kDestinationCaption,
  kSearchFolder = 200,
  kSearchCancel,
};

}  // namespace bc::win32

#endif  // BORINGCONV_WIN32_WINDOW_CONTROL_IDS_H_
