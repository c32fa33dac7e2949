#include "render/ReportPainter.h"

#include "document/ProjectFile.h"
#include "language/KLanguageManagerGeneric.h"
#include "language/SafeFormat.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "settings/InstallConfig.h"
#include "settings/ReportSettings.h"

#include <algorithm>
#include <cmath>

namespace zentyra {

namespace {

constexpr int kLogoStripHeight = 200;
constexpr int kChapterHeadingSpace = 80;
constexpr int kPieceTitleSpace = 40;
constexpr int kPieceSpace = 80;
constexpr int kMinFreeForSharedPage = 600;
constexpr int kMinFreeForSection = 350;
constexpr int kIndexNumberColumn = 150;
constexpr const char* kLogoFileName = "Zada_S.Msg";
constexpr int kPageFooterString = 5074;

bool IsFrontMatter(int type) {
    return type == kPieceGeneralInfo || type == kPieceIndex;
}

bool EndsWithEmf(std::string_view path) {
    return path.size() >= 4 && ToLower(path.substr(path.size() - 4)) == ".emf";
}

int Truncate(double value) {
    // Coordinates stay inside what an int holds even for absurd boxes.
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::clamp(value, -2.0e9, 2.0e9));
}

} // namespace

PageRect FitPicture(double w, double h, PageRect box, int fitFlags) {
    const double boxW = box.width();
    const double boxH = box.height();
    int width = 0;
    int height = 0;
    if (w > 0 && h > 0 && boxW > 0 && boxH > 0) {
        if (w / h > boxW / boxH) {
            width = box.width();
            height = Truncate(boxH * (boxW / boxH) / (w / h));
        } else {
            height = box.height();
            width = Truncate(boxW * (w / h) / (boxW / boxH));
        }
    }
    // Start of a span of `size` between low and high: at one edge by its flag, else centred.
    auto place = [fitFlags](int low, int high, int size, int lowFlag, int highFlag) {
        if (fitFlags & lowFlag) return low;
        if (fitFlags & highFlag) return high - size;
        return (low + high) / 2 - size / 2;
    };
    PageRect rect;
    rect.left = place(box.left, box.right, width, kFitLeft, kFitRight);
    rect.top = place(box.top, box.bottom, height, kFitTop, kFitBottom);
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
    return rect;
}

ReportPainter::ReportPainter(PageRecorder& recorder, ProjectFile& project)
    : project(project), recorder(recorder) {
    lineHeight = FontHeight(ReportFont::Body);
    y = top();
    // The configuration directory does not change during a run: every page's logo is this file.
    const std::string& cfgDir = InstallConfig::instance().cfgDir();
    if (!cfgDir.empty()) logoPath_ = JoinPath(cfgDir, kLogoFileName);
}

int ReportPainter::FontHeight(ReportFont font) const {
    return recorder.fontMetrics().Metrics(font).height;
}

void ReportPainter::SelectFont(ReportFont font) {
    recorder.SelectFont(font);
    lineHeight = FontHeight(font);
}

void ReportPainter::RenderReport() {
    bool numbered = false;
    const CChapter* chapter = nullptr;
    for (const auto& item : project.tree.items()) {
        if (!item->selected) continue;
        if (item->IsChapter()) {
            if (item->type != kChapterNone) {
                numbered = true;
                ++chapterNumber;
                pieceNumber = 0;
                chapter = static_cast<const CChapter*>(item.get());
            } else {
                numbered = false;
            }
            continue;
        }
        CPiece* piece = item->AsPiece();
        if (!piece) continue;
        if (numbered) ++pieceNumber;
        const bool numberInFooter = !IsFrontMatter(piece->type);
        const bool newPage = dc == nullptr || pieceNumber == 1 || piece->StartsNewPage(*this) ||
                             FreeSpace() < kMinFreeForSharedPage || y > 0.4 * bottom();
        if (newPage) NewPage(numberInFooter);
        piece->pageNumber = pageCount;
        if (numbered && pieceNumber == 1) {
            SelectFont(ReportFont::Chapter);
            const std::string title = chapter ? chapter->GetTitle(true) : std::string();
            AddOutlineEntry(0, SafeFormat("%d. %s", {chapterNumber, title}), chapter);
            Text(left(), y, SafeFormat("%d.  %s", {chapterNumber, title}));
            y += lineHeight + kChapterHeadingSpace;
        }
        if (numbered)
            AddOutlineEntry(
                1, SafeFormat("%d.%d %s", {chapterNumber, pieceNumber, piece->GetTitle(true)}),
                piece);
        else
            AddOutlineEntry(0, piece->GetTitle(true), piece, IsFrontMatter(piece->type));
        afterTitle = true;
        if (IsFrontMatter(piece->type) &&
            (recorder.firstPage == 0 || recorder.firstPage > pageCount))
            recorder.firstPage = pageCount;
        piece->Draw(*this);
        y += kPieceSpace;
        if (piece->EndsPage()) y = BottomLimit();
    }
}

void ReportPainter::AddOutlineEntry(int level, std::string title, const CBasePiece* item,
                                    bool frontMatter) {
    std::vector<OutlineEntry>& outline = recorder.navigation.outline;
    const OutlineEntry entry{level, std::move(title), pageCount, y};
    starts_[item] = {entry.page, entry.y};
    // The cover and the contents come last in the report but print first, in their order.
    if (frontMatter) {
        outline.insert(outline.begin() + static_cast<std::ptrdiff_t>(frontMatterEntries_++),
                       entry);
    } else {
        outline.push_back(entry);
    }
}

void ReportPainter::AddContentsLink(const CBasePiece* target) {
    const auto start = starts_.find(target);
    if (start == starts_.end() || !dc) return;
    recorder.navigation.links.push_back({recorder.currentPage(),
                                         PageRect{left(), y, right(), y + lineHeight},
                                         start->second.first, start->second.second});
}

int ReportPainter::NewPage(bool pageNumberInFooter) {
    if (recorder.pageOpen()) recorder.ClosePage();
    recorder.OpenPage();
    dc = &recorder;
    SelectFont(ReportFont::Body);
    dc->SetTextAlign(TextAlign{});
    ++pageCount;
    y = top();
    afterTitle = true;
    DrawLogoStrip();
    DrawHeader();
    DrawFooter(pageNumberInFooter);
    return y;
}

void ReportPainter::DrawLogoStrip() {
    const ReportSettings& settings = ReportSettings::instance();
    if (settings.logoAlignment == 0) return;
    const int flags = settings.logoAlignment == 1   ? kFitLeft | kFitTop
                      : settings.logoAlignment == 3 ? kFitRight | kFitTop
                                                    : 0;
    if (!logoPath_.empty())
        DrawImage(logoPath_, flags, PageRect{left(), y, right(), y + kLogoStripHeight});
    y += kLogoStripHeight + gap;
    dc->Line({left(), y}, {right(), y});
    y += gap;
}

void ReportPainter::DrawHeader() {
    const ReportSettings& settings = ReportSettings::instance();
    SelectFont(ReportFont::Body);
    const TextAlign saved = dc->textAlign();
    dc->SetTextAlign({HAlign::Left, VAlign::Top});
    Text(left(), y, settings.address[0]);
    dc->SetTextAlign({HAlign::Centre, VAlign::Top});
    Text((left() + right()) / 2, y, settings.address[1]);
    dc->SetTextAlign({HAlign::Right, VAlign::Top});
    Text(right(), y, settings.address[2]);
    dc->SetTextAlign(saved);
    y += 2 * lineHeight + 80;
}

void ReportPainter::DrawFooter(bool pageNumberInFooter) {
    const ReportSettings& settings = ReportSettings::instance();
    SelectFont(ReportFont::Body);
    const int ruleY = BottomLimit() + gap;
    dc->Line({left(), ruleY}, {right(), ruleY});
    const TextAlign saved = dc->textAlign();
    dc->SetTextAlign({HAlign::Left, VAlign::Bottom});
    Text(left(), bottom(), settings.footerLeftText);
    Text((left() + right()) / 2, bottom(), settings.footerCentreText);
    if (pageNumberInFooter) {
        dc->SetTextAlign({HAlign::Right, VAlign::Bottom});
        Text(right(), bottom(),
             SafeFormat(printLanguage().getString(kPageFooterString), {pageCount}));
    }
    dc->SetTextAlign(saved);
}

void ReportPainter::DrawPieceTitle(std::string_view title) {
    if (chapterNumber == 0 && pieceNumber == 0) return;
    SelectFont(ReportFont::PieceTitle);
    Text(left(), y, SafeFormat("%d.%d    %s", {chapterNumber, pieceNumber, title}));
    y += lineHeight + kPieceTitleSpace;
}

void ReportPainter::DrawSectionTitle(std::string_view text) {
    if (FreeSpace() < kMinFreeForSection) NewPage(true);
    SelectFont(ReportFont::Section);
    if (afterTitle)
        afterTitle = false;
    else
        y += 40;
    Text(left(), y, text);
    y += lineHeight + 20;
}

int ReportPainter::DrawImage(const std::string& path, int fitFlags, PageRect box) {
    if (path.empty()) return y; // no picture named: nothing to look for
    const std::string file = ResolveCaseInsensitive(path);
    PictureProbe& pictures = recorder.pictures();
    if (EndsWithEmf(path)) {
        const std::optional<PageRect> frame = pictures.MetafileFrame(file);
        const PageRect source = frame.value_or(PageRect{0, 0, 1, 1});
        const PageRect rect = FitPicture(source.width(), source.height(), box, fitFlags);
        // A metafile that cannot be opened plays nothing; its box stays empty.
        if (frame && dc && rect.width() > 0 && rect.height() > 0)
            dc->Picture(PictureKind::Metafile, file, box, rect);
        return box.bottom;
    }
    const std::optional<PixelSize> size = pictures.BitmapSize(file);
    if (!size) return y;
    const PageRect rect = FitPicture(size->width, size->height, box, fitFlags);
    if (dc && rect.width() > 0 && rect.height() > 0)
        dc->Picture(PictureKind::Bitmap, file, box, rect);
    return rect.bottom;
}

void ReportPainter::DrawIndex() {
    bool numbered = false;
    int c = 0;
    int k = 0;
    const int chapterLineNeeds =
        FontHeight(ReportFont::IndexChapter) + 40 + 2 * FontHeight(ReportFont::IndexPiece);
    for (const auto& item : project.tree.items()) {
        if (!item->selected) continue;
        const std::string title = item->GetTitle(true);
        if (item->IsChapter()) {
            if (item->type == kChapterNone) {
                numbered = false;
                continue;
            }
            numbered = true;
            ++c;
            k = 0;
            y += 80;
            if (chapterLineNeeds > FreeSpace()) NewPage(false);
            SelectFont(ReportFont::IndexChapter);
            Text(left(), y, SafeFormat("%d", {c}));
            Text(left() + kIndexNumberColumn, y, title);
            AddContentsLink(item.get());
            y += lineHeight + 40;
            continue;
        }
        const CPiece* piece = item->AsPiece();
        if (!piece) continue;
        if (numbered) ++k;
        if (IsFrontMatter(piece->type)) continue;
        if (FontHeight(ReportFont::IndexPiece) > FreeSpace()) NewPage(false);
        const std::string pageText = SafeFormat("%d", {piece->pageNumber});
        if (numbered) {
            SelectFont(ReportFont::IndexPiece);
            Text(left(), y, SafeFormat("%d.%d", {c, k}));
            Text(left() + kIndexNumberColumn, y, title);
        } else {
            SelectFont(ReportFont::IndexChapter);
            Text(left(), y, title);
        }
        Text(right() - kIndexNumberColumn, y, pageText);
        AddContentsLink(piece);
        y += lineHeight;
    }
}

int ReportPainter::DrawParagraph(int leftEdge, int rightEdge, std::string_view text) {
    const TextAlign saved = dc ? dc->textAlign() : TextAlign{};
    if (dc) dc->SetTextAlign(TextAlign{});
    int lineY = y;
    auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && isBreak(text[pos]))
            ++pos;
        if (pos >= text.size()) break;
        std::size_t end = pos;
        while (end < text.size() && !isBreak(text[end]))
            ++end;
        const std::string_view line = text.substr(pos, end - pos);
        pos = end;
        int x = leftEdge;
        std::size_t w = 0;
        while (w < line.size()) {
            while (w < line.size() && line[w] == ' ')
                ++w;
            if (w >= line.size()) break;
            std::size_t wordEnd = w;
            while (wordEnd < line.size() && line[wordEnd] != ' ')
                ++wordEnd;
            const std::string word = std::string(line.substr(w, wordEnd - w)) + ' ';
            w = wordEnd;
            const int width = dc ? dc->TextWidth(word) : 0;
            if (x + width > rightEdge) {
                lineY += lineHeight;
                x = leftEdge;
            }
            if (dc) dc->TextOut(x, lineY, word);
            x += width;
        }
        lineY += lineHeight;
    }
    if (dc) dc->SetTextAlign(saved);
    return lineY + lineHeight;
}

int LayOutReport(PageRecorder& recorder, ProjectFile& project) {
    {
        ReportPainter painter(recorder, project);
        painter.RenderReport();
    }
    recorder.ClosePage();
    return static_cast<int>(recorder.pages().size());
}

} // namespace zentyra
