// Step 4: split the file into a new run folder, then rename the pieces after the file. The two
// commands run asynchronously on mshell, chained by its Completed event; a run that fails says so
// in result_text instead of the success text.
#include <cstring>
#include <filesystem>
#include <system_error>

#include "app/CommandLines.h"
#include "app/SplitNames.h"
#include "app/Window1.h"

namespace {

const char kShellCompleted[] = "ShellCompleted";
const char kMoveCompleted[] = "MoveCompleted";

QString Text(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

// What went wrong, in the tools' own words: the first line of their error output.
std::string Reason(const Shell& shell) {
  const std::string& error = shell.ErrorOutput();
  if (!error.empty()) {
    std::string line = error.substr(0, error.find('\n'));
    if (line.size() > 300) line = line.substr(0, 300) + "...";
    return line;
  }
  if (shell.ExitStatus() < 0) return "the command could not be run, or it was stopped";
  return "the command ended with status " + std::to_string(shell.ExitStatus());
}

// False when the folder holds no entry, or cannot be read.
bool HoldsAnything(const FolderItem& folder) {
  std::error_code error;
  std::filesystem::directory_iterator it(folder.NativePath(), error);
  return !error && it != std::filesystem::directory_iterator();
}

}  // namespace

void Window1::PushButton3_Action() {
  // One run at a time: choosing an output folder re-enables this button during a run. A run is
  // in progress exactly while mshell runs its split or its rename.
  if (mshell->IsRunning()) return;
  if (!sourceFile || !m_fileCounted) {
    result_text()->setText(QStringLiteral("Please select a file to split (step 1) before splitting."));
    return;
  }
  if (!outputFolder) {
    result_text()->setText(QStringLiteral("Please select a folder for output!"));
    return;
  }
  const std::int64_t linesPerFile = lines_slider()->Value();
  if (PiecesFor(sourceFileLineCount, linesPerFile) > kMaxPieces) {
    result_text()->setText(
        QStringLiteral("Nothing was split: at %1 lines per file this file needs more than 456,976 sub-files, "
                       "the most one split can name. Please choose more lines per sub-file.")
            .arg(linesPerFile));
    return;
  }

  const SplitName names = DeriveSplitName(sourceFile->Name());
  suffix = names.suffix;
  shortFilename = names.shortFilename;
  new_folder = ChooseRunFolder(*outputFolder, shortFilename);

  result_text()->setText(QStringLiteral("Working..."));
  splitprwheel()->setVisible(true);
  if (!new_folder || !new_folder->CreateAsFolder()) {
    // No folder, no command: split would otherwise write its pieces nowhere or somewhere else.
    const std::string folderName = new_folder ? new_folder->Name() : RunFolderName(shortFilename, 0);
    const std::string reason = new_folder ? std::strerror(new_folder->LastErrorCode()) : "Invalid name";
    FinishRun(QStringLiteral("Nothing was split: the folder ") + Text(folderName) +
              QStringLiteral(" could not be created in the folder you selected: ") + Text(reason) +
              QStringLiteral("."));
    return;
  }
  mshell->ExecuteMode = 1;
  mshell->AddCompletedHandler(kShellCompleted, [this](Shell& sender) { ShellCompleted(sender); });
  mshell->Execute(
      CommandLines::Split(linesPerFile, sourceFile->ShellPath(), new_folder->ShellPath(), useTRtrick));
}

void Window1::ShellCompleted(Shell&) {
  mshell->RemoveCompletedHandler(kShellCompleted);
  mshell->AddCompletedHandler(kMoveCompleted, [this](Shell& sender) { MoveCompleted(sender); });
  const QString folderName = Text(new_folder->Name());
  if (CommandLines::Failed(*mshell)) {
    const auto lastTag = new_folder->Child("zzzz");
    if (lastTag && lastTag->Exists()) {
      FinishRun(
          QStringLiteral("The split stopped after 456,976 sub-files, the most one split can name; the rest "
                         "of the file is missing from the ") +
          folderName +
          QStringLiteral(" folder in the folder you selected. Please choose more lines per "
                         "sub-file."));
    } else {
      FinishRun(QStringLiteral("The split failed, so the ") + folderName +
                QStringLiteral(" folder in the folder you selected is incomplete: ") + Text(Reason(*mshell)));
    }
    return;
  }
  if (!HoldsAnything(*new_folder)) {
    // The rename loop's pattern would stay literal and mv would fail on it.
    FinishRun(
        QStringLiteral("The split wrote no sub-files: the ") + folderName +
        QStringLiteral(" folder in the folder you selected is empty. Has the file been emptied since it "
                       "was selected?"));
    return;
  }
  if (suffix.size() > 2) {
    mshell->Execute(CommandLines::Rename(new_folder->ShellPath(), shortFilename, suffix));
    return;
  }
  MoveCompleted(*mshell);
}

void Window1::MoveCompleted(Shell&) {
  mshell->RemoveCompletedHandler(kMoveCompleted);
  const QString folderName = Text(new_folder->Name());
  if (CommandLines::Failed(*mshell)) {
    FinishRun(QStringLiteral("The file was split, but renaming the sub-files failed; check the ") +
              folderName + QStringLiteral(" folder in the folder you selected: ") + Text(Reason(*mshell)));
    return;
  }
  FinishRun(QStringLiteral("File successfully split. check the ") + folderName +
            QStringLiteral(" folder in the folder you selected."));
}

void Window1::FinishRun(const QString& text) {
  mshell->RemoveCompletedHandler(kShellCompleted);
  mshell->RemoveCompletedHandler(kMoveCompleted);
  result_text()->setText(text);
  splitprwheel()->setVisible(false);
}
