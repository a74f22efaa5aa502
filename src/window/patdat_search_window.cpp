#include "window/patdat_search_window.h"

#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>
#include <memory>
#include <mutex>

#include "environment/patdat_search.h"

namespace bc {
namespace {

// What the search's thread and the window share: the folder last reached
// and the user's cancel.
struct SearchState {
  std::mutex mutex;
  std::u16string folder;
  std::atomic<bool> cancelled{false};
};

}  // namespace

PatdatSearchWindow::PatdatSearchWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("patdatSearchWindow"));
  setWindowTitle(QStringLiteral("PATDAT の検索"));
  auto* caption =
      new QLabel(QStringLiteral("パターンデータのフォルダ (PATDAT) を探しています:"), this);
  folder_ = new QLabel(this);
  folder_->setObjectName(QStringLiteral("searchedFolder"));
  folder_->setMinimumWidth(420);
  folder_->setTextFormat(Qt::PlainText);
  cancel_ = new QPushButton(QStringLiteral("キャンセル"), this);
  cancel_->setObjectName(QStringLiteral("cancelButton"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  layout->addWidget(folder_);
  layout->addWidget(cancel_, 0, Qt::AlignRight);
  connect(cancel_, &QPushButton::clicked, this, &PatdatSearchWindow::reject);
}

void PatdatSearchWindow::reject() {
  if (cancelled_) return;
  cancelled_ = true;
  cancel_->setEnabled(false);
  emit cancelRequested();
}

void PatdatSearchWindow::ShowFolder(const QString& folder) {
  // Deep paths would stretch the window; the end of the path says most.
  folder_->setText(folder_->fontMetrics().elidedText(folder, Qt::ElideMiddle, folder_->width()));
}

std::u16string SearchPatdatWithWindow(const Environment& env, const SearchStepHook& hook) {
  auto state = std::make_shared<SearchState>();
  auto found = std::make_shared<std::u16string>();
  QThread* worker = QThread::create([&env, hook, state, found] {
    *found = FindPatdatFolder(env, [&hook, &state](std::u16string_view folder) {
      {
        std::lock_guard<std::mutex> lock(state->mutex);
        state->folder = folder;
      }
      if (hook) hook(folder);
      return !state->cancelled;
    });
  });

  PatdatSearchWindow window;
  // Tens of thousands of folders: the window looks at the latest one a few
  // times a second instead of being told every one.
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &window, [&window, &state] {
    std::lock_guard<std::mutex> lock(state->mutex);
    window.ShowFolder(QString::fromStdU16String(state->folder));
  });
  QObject::connect(&window, &PatdatSearchWindow::cancelRequested, &window,
                   [&state] { state->cancelled = true; });
  QObject::connect(worker, &QThread::finished, &window,
                   [&window] { window.done(QDialog::Accepted); });
  poll.start(50);
  worker->start();
  window.exec();
  worker->wait();
  delete worker;
  if (state->cancelled) return {};
  return *found;
}

}  // namespace bc
