#pragma once

#include <memory>
#include <string>

#include "platform/FileType.h"

// The file types accepted as files to split.
namespace FileTypes1 {
// Each returns its type; nullptr before _Initialize has run.
std::shared_ptr<FileType> Text();
std::shared_ptr<FileType> TextHtml();
std::shared_ptr<FileType> TextRichtext();
std::shared_ptr<FileType> TextTabSeparatedValues();
std::shared_ptr<FileType> TextXHtmlInsertion();
std::shared_ptr<FileType> TextXSetext();
std::shared_ptr<FileType> TextXUsenetFaq();
std::shared_ptr<FileType> TextCSV();

// Builds the eight types and registers them in order.
void _Initialize();
// The open dialog's filter text: the eight type names joined by ";" (fixed).
std::string All();
}  // namespace FileTypes1
