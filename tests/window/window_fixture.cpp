#include "window_fixture.h"

#include <fstream>

#include "run/run_ui.h"
#include "text/codepage.h"

namespace bc::testing {

WindowFixture::WindowFixture() : former_folder_(std::filesystem::current_path()) {
  std::filesystem::create_directories(Drive(u'C'));
  std::filesystem::create_directories(Drive(u'D'));
  std::filesystem::create_directories(Root() / "program");
  std::filesystem::current_path(Drive(u'C'));
}

// The window's lists start at the process's folder, set for each test.
WindowFixture::~WindowFixture() { std::filesystem::current_path(former_folder_); }

std::filesystem::path WindowFixture::Root() const {
  return std::filesystem::path(scratch_.path().toStdString());
}

std::filesystem::path WindowFixture::Drive(char16_t letter) const {
  return Root() / (std::string("drive_") + static_cast<char>(letter));
}

Environment WindowFixture::MakeEnvironment() const {
  DriveMap drives;
  for (char16_t letter : {u'C', u'D', u'Q'}) drives.Map(letter, Drive(letter));
  return Environment(std::move(drives), Root() / "program");
}

std::unique_ptr<MainWindow> WindowFixture::MakeWindow(const std::u16string& patdat_path,
                                                      const std::u16string& help_file_path) {
  auto form = std::make_unique<MainWindow>(MakeEnvironment(), patdat_path, help_file_path);
  form->message_boxes().SetAnswerProvider([](const MessageRequest& request) {
    return request.style == MessageStyle::kYesNoQuestion ? Answer::kYes : Answer::kOk;
  });
  return form;
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << bytes;
}

void WriteAnsiLines(const std::filesystem::path& file, const std::vector<std::u16string>& lines) {
  std::string bytes;
  for (const std::u16string& line : lines) bytes += EncodeAnsi(line) + "\r\n";
  WriteBytes(file, bytes);
}

}  // namespace bc::testing
