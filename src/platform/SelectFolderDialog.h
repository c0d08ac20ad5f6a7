#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/FolderItem.h"

// The modal folder-choosing dialog.
class SelectFolderDialog {
 public:
  std::string ActionButtonCaption, Title, PromptText;
  std::shared_ptr<FolderItem> InitialDirectory;
  // The chosen folder; nullptr when the user cancels, and without showing anything once a
  // termination signal has arrived.
  std::shared_ptr<FolderItem> ShowModal();
};

// Lets tests answer the folder dialog and see what it showed.
namespace SelectFolderDialogSeam {
struct Shown {
  std::string actionButtonCaption, title, promptText, initialDirectory;
};
// Queues the answer of the next ShowModal; nullptr answers Cancel. Queued answers show nothing.
void setNextAnswer(std::shared_ptr<FolderItem> folder);
// What the last ShowModal was given; nullopt before any.
std::optional<Shown> lastShown();
// How many times ShowModal ran since the last clear().
int timesShown();
// Drops queued answers and the record.
void clear();
}  // namespace SelectFolderDialogSeam
