// Step 1: choose the file and count its lines, synchronously, with wc (through tr when the file
// has no line feed, so that lines ended by carriage returns alone are counted).
#include "app/CommandLines.h"
#include "app/FileTypes1.h"
#include "app/SupportAddress.h"
#include "app/Window1.h"
#include "platform/MsgBox.h"
#include "platform/OpenFileDialog.h"
#include "platform/TerminationSignals.h"
#include "platform/TextFunctions.h"

namespace {

const char kZeroLinesMessage[] =
    "We had trouble reading this file, which is unusual! Can you send us a copy or subset of it so we can "
    "test? Are you sure it's a text file? Please email us at " SHARDWICK_SUPPORT_ADDRESS ". We want to help!";

// The count's digits; 0 when the command failed (a count from a half-read file is no count).
std::int64_t CountFrom(const Shell& shell) {
  if (CommandLines::Failed(shell)) return 0;
  return TruncateToInt64(Val(shell.Result()));
}

// The largest number of lines per sub-file offered: half the count, rounded up.
std::int64_t HalfRoundedUp(std::int64_t count) {
  return TruncateToInt64(Ceil(static_cast<double>(count) / 2.0));
}

}  // namespace

void Window1::PushButton1_Action() {
  Shell counter;
  sourceFile = GetOpenFolderItem(FileTypes1::All());
  m_fileCounted = false;
  // Only a regular file has an end: wc would wait for ever on a named pipe or a device, with the
  // window frozen until killed.
  if (!sourceFile || !sourceFile->IsReadable() || !sourceFile->IsRegularFile()) {
    step1text()->setText(QStringLiteral("File not selected or not readable. Please select a file to split."));
    GroupBox1()->setEnabled(false);
    ChooseOutputBtn()->setEnabled(false);
    return;
  }
  step1text()->setText(QStringLiteral("The file is *") + QString::fromStdString(sourceFile->Name()) +
                       QStringLiteral("* "));

  counter.Execute(CommandLines::PlainCount(sourceFile->ShellPath()));
  const bool plainCountFailed = CommandLines::Failed(counter);
  sourceFileLineCount = CountFrom(counter);
  if (sourceFileLineCount != 0) {
    useTRtrick = false;
  } else {
    useTRtrick = true;
    // After a failed plain count the file's line ends are unknown; reading it through tr could
    // turn CR LF into two line ends, so the count stops here.
    if (!plainCountFailed) {
      counter.Execute(CommandLines::CarriageReturnCount(sourceFile->ShellPath()));
      sourceFileLineCount = CountFrom(counter);
    }
    if (sourceFileLineCount == 0) {
      // A count stopped because the program is quitting says nothing about the file.
      if (!TerminationRequested()) MsgBox(kZeroLinesMessage);
      GroupBox1()->setEnabled(false);
      ChooseOutputBtn()->setEnabled(false);
      return;
    }
  }

  step1text()->setText(step1text()->text() + QString::number(sourceFileLineCount) +
                       QStringLiteral(" lines."));
  GroupBox1()->setEnabled(true);
  lines_slider()->SetMinimum(1);
  lines_slider()->SetMaximum(HalfRoundedUp(sourceFileLineCount));
  lines_slider()->SetValue(HalfRoundedUp(sourceFileLineCount));
  lines_field()->setText(QString::number(lines_slider()->Value()));
  // The slider reports no change when the new count leaves its value where it was; the estimate
  // must follow the new count all the same.
  lines_slider_ValueChanged();
  ChooseOutputBtn()->setEnabled(true);
  m_fileCounted = true;
}
