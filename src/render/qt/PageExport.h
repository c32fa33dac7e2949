#pragma once
// Headless output of recorded pages in print order: one PDF file, or one PNG file per page.
// Both need a QGuiApplication (the caller provides it). Pictures that cannot be read are left
// out and reported through DebugMsg; the export goes on.
#include "pdf/PdfNavigation.h"

#include <functional>
#include <string>

namespace zentyra {

class PageRecorder;

// Called after each page with the pages done and the pages to do.
using ProgressCallback = std::function<void(int done, int total)>;

// Writes all printed pages to one PDF on paper of the recorder's geometry, with the report's
// bookmarks, its contents lines as links, and the document information. On failure returns
// false and, when error is given, a message naming the file.
bool ExportPdf(const PageRecorder& recorder, const std::string& path, std::string* error,
               ProgressCallback progress = {}, const PdfDocumentInfo& info = {});

// The recorder's bookmarks and contents links in the PDF's terms: pages by their place in
// print order, positions in points from the bottom of the paper.
PdfNavigation PdfNavigationOf(const PageRecorder& recorder);

// Writes page-001.png, page-002.png, ... in print order into directory (created if missing),
// each the whole paper at dpi on white. On failure returns false and, when error is given, a
// message naming the file.
bool ExportPng(const PageRecorder& recorder, const std::string& directory, int dpi,
               std::string* error, ProgressCallback progress = {});

} // namespace zentyra
