#include "pdf/PdfNavigation.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace zentyra {

namespace {

using Handle = QPDFObjectHandle;

Handle Destination(const std::vector<QPDFPageObjectHelper>& pages, int page, double top) {
    Handle destination = Handle::newArray();
    destination.appendItem(pages[static_cast<std::size_t>(page)].getObjectHandle());
    destination.appendItem(Handle::newName("/XYZ"));
    destination.appendItem(Handle::newNull()); // keep the reader's left edge and zoom
    destination.appendItem(Handle::newReal(top, 2));
    destination.appendItem(Handle::newNull());
    return destination;
}

bool OnPage(int page, const std::vector<QPDFPageObjectHelper>& pages) {
    return page >= 0 && static_cast<std::size_t>(page) < pages.size();
}

// One level of the outline: links the items to their parent and to each other, and returns
// how many items are visible below the parent (every level is open).
int LinkOutlineLevel(Handle parent, const std::vector<Handle>& items) {
    int visible = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        Handle item = items[i];
        item.replaceKey("/Parent", parent);
        if (i > 0) item.replaceKey("/Prev", items[i - 1]);
        if (i + 1 < items.size()) item.replaceKey("/Next", items[i + 1]);
        ++visible;
        if (item.hasKey("/Count")) visible += item.getKey("/Count").getIntValueAsInt();
    }
    if (!items.empty()) {
        parent.replaceKey("/First", items.front());
        parent.replaceKey("/Last", items.back());
        parent.replaceKey("/Count", Handle::newInteger(visible));
    }
    return visible;
}

void AddOutline(QPDF& pdf, const std::vector<QPDFPageObjectHelper>& pages,
                const std::vector<PdfBookmark>& bookmarks) {
    std::vector<Handle> top;
    std::vector<Handle> children; // of the last top-level item
    auto closeChildren = [&] {
        if (!top.empty()) LinkOutlineLevel(top.back(), children);
        children.clear();
    };
    for (const PdfBookmark& bookmark : bookmarks) {
        if (!OnPage(bookmark.page, pages)) continue;
        Handle item = pdf.makeIndirectObject(Handle::newDictionary());
        item.replaceKey("/Title", Handle::newUnicodeString(bookmark.title));
        item.replaceKey("/Dest", Destination(pages, bookmark.page, bookmark.top));
        if (bookmark.level > 0 && !top.empty()) {
            children.push_back(item);
        } else {
            closeChildren();
            top.push_back(item);
        }
    }
    closeChildren();
    if (top.empty()) return;
    Handle outlines = pdf.makeIndirectObject(Handle::newDictionary());
    outlines.replaceKey("/Type", Handle::newName("/Outlines"));
    LinkOutlineLevel(outlines, top);
    Handle root = pdf.getRoot();
    root.replaceKey("/Outlines", outlines);
    root.replaceKey("/PageMode", Handle::newName("/UseOutlines"));
}

void AddLinks(QPDF& pdf, const std::vector<QPDFPageObjectHelper>& pages,
              const std::vector<PdfLinkArea>& links) {
    for (const PdfLinkArea& link : links) {
        if (!OnPage(link.page, pages) || !OnPage(link.targetPage, pages)) continue;
        Handle annotation = pdf.makeIndirectObject(Handle::newDictionary());
        annotation.replaceKey("/Type", Handle::newName("/Annot"));
        annotation.replaceKey("/Subtype", Handle::newName("/Link"));
        annotation.replaceKey("/Rect", Handle::newFromRectangle(Handle::Rectangle(
                                           link.left, link.bottom, link.right, link.top)));
        Handle border = Handle::newArray();
        for (int i = 0; i < 3; ++i)
            border.appendItem(Handle::newInteger(0));
        annotation.replaceKey("/Border", border);
        annotation.replaceKey("/Dest", Destination(pages, link.targetPage, link.targetTop));
        Handle page = pages[static_cast<std::size_t>(link.page)].getObjectHandle();
        Handle annotations = page.getKey("/Annots");
        if (!annotations.isArray()) {
            annotations = Handle::newArray();
            page.replaceKey("/Annots", annotations);
        }
        annotations.appendItem(annotation);
    }
}

void SetInfo(QPDF& pdf, const PdfDocumentInfo& info) {
    Handle trailer = pdf.getTrailer();
    Handle dictionary = trailer.getKey("/Info");
    if (!dictionary.isDictionary()) {
        dictionary = pdf.makeIndirectObject(Handle::newDictionary());
        trailer.replaceKey("/Info", dictionary);
    }
    const std::pair<const char*, const std::string*> fields[] = {
        {"/Title", &info.title},
        {"/Author", &info.author},
        {"/Subject", &info.subject},
        {"/Creator", &info.creator},
    };
    for (const auto& [key, value] : fields) {
        if (value->empty())
            dictionary.removeKey(key);
        else
            dictionary.replaceKey(key, Handle::newUnicodeString(*value));
    }
}

// Written first and renamed over the file once complete.
std::string TemporaryPath(const std::string& path) {
    return path + ".part";
}

} // namespace

bool CanWritePdf(const std::string& path, std::string* error) {
    const std::string temporary = TemporaryPath(path);
    const bool writable = static_cast<bool>(std::ofstream(temporary, std::ios::binary));
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    if (!writable && error) *error = "Cannot write " + path;
    return writable;
}

bool WritePdfWithNavigation(const std::string& pdfBytes, const PdfNavigation& navigation,
                            const std::string& path, std::string* error) {
    const std::string temporary = TemporaryPath(path);
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile(path.c_str(), pdfBytes.data(), pdfBytes.size());
        const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
        AddOutline(pdf, pages, navigation.bookmarks);
        AddLinks(pdf, pages, navigation.links);
        SetInfo(pdf, navigation.info);
        QPDFWriter writer(pdf, temporary.c_str());
        writer.setDeterministicID(true);
        writer.write();
    } catch (const std::exception& failure) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        if (error) *error = "Cannot write " + path + ": " + failure.what();
        return false;
    }
    std::error_code failure;
    std::filesystem::rename(temporary, path, failure);
    if (failure) {
        std::filesystem::remove(temporary, failure);
        if (error) *error = "Cannot write " + path + ": " + failure.message();
        return false;
    }
    return true;
}

} // namespace zentyra
