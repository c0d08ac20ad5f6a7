#include "app/FileTypes1.h"

namespace FileTypes1 {

namespace {

std::shared_ptr<FileType> pText;
std::shared_ptr<FileType> pTextHtml;
std::shared_ptr<FileType> pTextRichtext;
std::shared_ptr<FileType> pTextTabSeparatedValues;
std::shared_ptr<FileType> pTextXHtmlInsertion;
std::shared_ptr<FileType> pTextXSetext;
std::shared_ptr<FileType> pTextXUsenetFaq;
std::shared_ptr<FileType> pTextCSV;

struct TypeRow {
  std::shared_ptr<FileType>* storage;
  std::shared_ptr<FileType> (*accessor)();
  const char* name;
  const char* extensions;
  const char* macType;
  const char* macCreator;
  const char* uti;  // nullptr: left unset
};

// clang-format off
const TypeRow kTypes[] = {
    {&pText, &Text, "text/plain", ".asc;.ascii;.bas;.c;.class;.cp;.cpp;.h;.hp;.hpp;.i3;.java;.m2;.m3;.mak;.text;.txt", "TEXT", "????", "public.text"},
    {&pTextHtml, &TextHtml, "text/html", ".htm;.html", "TEXT", "????", "public.html"},
    {&pTextRichtext, &TextRichtext, "text/richtext", ".rtx", "TEXT", "text", nullptr},
    {&pTextTabSeparatedValues, &TextTabSeparatedValues, "text/tab-separated-values", ".tsv", "TEXT", "XCEL", nullptr},
    {&pTextXHtmlInsertion, &TextXHtmlInsertion, "text/x-html-insertion", ".qht;.qhtm", "QHTM", "TVOD", nullptr},
    {&pTextXSetext, &TextXSetext, "text/x-setext", ".etx", "TEXT", "ezVu", nullptr},
    {&pTextXUsenetFaq, &TextXUsenetFaq, "text/x-usenet-faq", ".faq", "TEXT", "text", nullptr},
    {&pTextCSV, &TextCSV, "text/csv", ".csv", "TEXT", "text", "public.csv"},
};
// clang-format on

}  // namespace

std::shared_ptr<FileType> Text() {
  return pText;
}
std::shared_ptr<FileType> TextHtml() {
  return pTextHtml;
}
std::shared_ptr<FileType> TextRichtext() {
  return pTextRichtext;
}
std::shared_ptr<FileType> TextTabSeparatedValues() {
  return pTextTabSeparatedValues;
}
std::shared_ptr<FileType> TextXHtmlInsertion() {
  return pTextXHtmlInsertion;
}
std::shared_ptr<FileType> TextXSetext() {
  return pTextXSetext;
}
std::shared_ptr<FileType> TextXUsenetFaq() {
  return pTextXUsenetFaq;
}
std::shared_ptr<FileType> TextCSV() {
  return pTextCSV;
}

void _Initialize() {
  for (const TypeRow& row : kTypes) {
    *row.storage = std::make_shared<FileType>();
    FileType& type = **row.storage;
    type.Name = row.name;
    type.Extensions = row.extensions;
    type.MacType = row.macType;
    type.MacCreator = row.macCreator;
    type.MimeType = "";
    type.Imported = true;
    type.ConformsTo = "";
    if (row.uti) type.UTI = row.uti;
    row.accessor()->ToText();  // registers it
  }
}

std::string All() {
  return "text/plain;text/html;text/richtext;text/tab-separated-values;text/x-html-insertion;text/x-setext;"
         "text/x-usenet-faq;text/csv";
}

}  // namespace FileTypes1
