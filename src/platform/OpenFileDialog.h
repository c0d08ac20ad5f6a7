#pragma once

#include <memory>
#include <string>

#include "platform/FolderItem.h"

// Shows the modal open-file dialog limited to the registered file types named in filter
// (names separated by ";"); nullptr when the user cancels, and without showing anything once a
// termination signal has arrived.
std::shared_ptr<FolderItem> GetOpenFolderItem(const std::string& filter);

// Lets tests answer the open-file dialog and see what it was asked.
namespace OpenFileDialogSeam {
// Queues the answer of the next call; nullptr answers Cancel. Queued answers show nothing.
void setNextAnswer(std::shared_ptr<FolderItem> item);
// The filter text of the last call ("" before any).
std::string lastFilter();
// How many times the dialog was asked for since the last clear().
int timesShown();
// Drops queued answers and the record.
void clear();
}  // namespace OpenFileDialogSeam
