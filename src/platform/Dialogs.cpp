// The modal dialogs that tests answer through their seams: open file, select folder, show URL.
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QUrl>
#include <deque>
#include <optional>

#include "platform/FileType.h"
#include "platform/OpenFileDialog.h"
#include "platform/SelectFolderDialog.h"
#include "platform/ShowURL.h"
#include "platform/TerminationSignals.h"

namespace {

struct OpenFileState {
  std::deque<std::shared_ptr<FolderItem>> answers;
  std::string lastFilter;
  int timesShown = 0;
};
OpenFileState& openFileState() {
  static OpenFileState state;
  return state;
}

struct FolderState {
  std::deque<std::shared_ptr<FolderItem>> answers;
  std::optional<SelectFolderDialogSeam::Shown> lastShown;
  int timesShown = 0;
};
FolderState& folderState() {
  static FolderState state;
  return state;
}

struct UrlState {
  bool intercept = false;
  std::vector<std::string> urls;
};
UrlState& urlState() {
  static UrlState state;
  return state;
}

std::shared_ptr<FolderItem> itemFor(const QString& path) {
  if (path.isEmpty()) return nullptr;
  const QByteArray bytes = QFile::encodeName(path);
  return std::make_shared<FolderItem>(std::string(bytes.constData(), std::size_t(bytes.size())));
}

// The answer a dialog gives without showing itself: the next queued one, or Cancel once a
// termination request has arrived (nobody is left to answer); nothing when it must be shown.
std::optional<std::shared_ptr<FolderItem>> answerWithoutShowing(
    std::deque<std::shared_ptr<FolderItem>>& answers) {
  if (!answers.empty()) {
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  if (TerminationRequested()) return nullptr;
  return std::nullopt;
}

QString qpath(const std::shared_ptr<FolderItem>& item) {
  return item ? QFile::decodeName(QByteArray::fromStdString(item->NativePath())) : QString();
}

}  // namespace

std::shared_ptr<FolderItem> GetOpenFolderItem(const std::string& filter) {
  auto& state = openFileState();
  state.lastFilter = filter;
  ++state.timesShown;
  if (auto answer = answerWithoutShowing(state.answers)) return *answer;
  QStringList filters;
  for (const std::string& f : FileTypeRegistry::DialogFilters(filter)) filters << QString::fromStdString(f);
  const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(),
                                                    filters.join(QStringLiteral(";;")));
  return itemFor(path);
}

namespace OpenFileDialogSeam {
void setNextAnswer(std::shared_ptr<FolderItem> item) {
  openFileState().answers.push_back(std::move(item));
}
std::string lastFilter() {
  return openFileState().lastFilter;
}
int timesShown() {
  return openFileState().timesShown;
}
void clear() {
  openFileState() = OpenFileState{};
}
}  // namespace OpenFileDialogSeam

std::shared_ptr<FolderItem> SelectFolderDialog::ShowModal() {
  auto& state = folderState();
  state.lastShown = SelectFolderDialogSeam::Shown{ActionButtonCaption, Title, PromptText,
                                                  InitialDirectory ? InitialDirectory->NativePath() : ""};
  ++state.timesShown;
  if (auto answer = answerWithoutShowing(state.answers)) return *answer;
  QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(Title.empty() ? PromptText : Title),
                     qpath(InitialDirectory));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  if (!ActionButtonCaption.empty())
    dialog.setLabelText(QFileDialog::Accept, QString::fromStdString(ActionButtonCaption));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return nullptr;
  return itemFor(dialog.selectedFiles().constFirst());
}

namespace SelectFolderDialogSeam {
void setNextAnswer(std::shared_ptr<FolderItem> folder) {
  folderState().answers.push_back(std::move(folder));
}
std::optional<Shown> lastShown() {
  return folderState().lastShown;
}
int timesShown() {
  return folderState().timesShown;
}
void clear() {
  folderState() = FolderState{};
}
}  // namespace SelectFolderDialogSeam

void ShowURL(const std::string& url) {
  auto& state = urlState();
  if (state.intercept) {
    state.urls.push_back(url);
    return;
  }
  QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

namespace ShowURLSeam {
void intercept(bool on) {
  urlState().intercept = on;
}
std::vector<std::string> urls() {
  return urlState().urls;
}
void clear() {
  urlState().urls.clear();
}
}  // namespace ShowURLSeam
