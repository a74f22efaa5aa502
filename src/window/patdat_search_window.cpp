#include "window/patdat_search_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace bc {
namespace {

QString Q(const char16_t* text) { return QString::fromStdU16String(std::u16string(text)); }

}  // namespace

PatdatSearchWindow::PatdatSearchWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("patdatSearchWindow"));
  setWindowTitle(Q(kSearchTitle));
  auto* caption = new QLabel(Q(kSearchCaption), this);
  folder_ = new QLabel(this);
  folder_->setObjectName(QStringLiteral("searchedFolder"));
  folder_->setMinimumWidth(420);
  folder_->setTextFormat(Qt::PlainText);
  cancel_ = new QPushButton(Q(kCancelText), this);
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
  PatdatSearchJob job(env, hook);
  PatdatSearchWindow window;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &window, [&window, &job] {
    window.ShowFolder(QString::fromStdU16String(job.CurrentFolder()));
    if (job.Done()) window.done(QDialog::Accepted);
  });
  QObject::connect(&window, &PatdatSearchWindow::cancelRequested, &window,
                   [&job] { job.Cancel(); });
  poll.start(50);
  window.exec();
  return job.Finish();
}

}  // namespace bc
