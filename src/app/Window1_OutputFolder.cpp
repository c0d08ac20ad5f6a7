// Step 3: the output folder. Its choice is shown, recorded as a preference, and decides whether
// "Split File" can be pressed.
#include "app/Window1.h"
#include "platform/SelectFolderDialog.h"
#include "platform/UserFolders.h"
#include "settings/XMLPreferences.h"

void Window1::ChooseOutputBtn_Action() {
  SelectFolderDialog dialog;
  dialog.ActionButtonCaption = "Select";
  dialog.Title = "Select a folder for your sub-files";
  dialog.PromptText = "Select a folder for your sub-files";
  dialog.InitialDirectory = SpecialFolder::Documents();
  outputFolder = dialog.ShowModal();
  checkOutputFolder();
}

void Window1::checkOutputFolder() {
  if (outputFolder) {
    steptext1()->setText(QStringLiteral("The output folder is *") +
                         QString::fromStdString(outputFolder->Name()) + QStringLiteral("*."));
    XMLPreferences::SetPrefFolderItem("outputFolder", outputFolder);
    PushButton3()->setEnabled(true);
  } else {
    steptext1()->setText(QStringLiteral("Please select a folder for output!"));
    PushButton3()->setEnabled(false);
  }
}
