#include "emf/EmfPicture.h"

#include "emf/EmfPlayer.h"
#include "emf/EmfRecord.h"

#include <uemf.h>
#include <uemf_safe.h>

#include <QPainter>

#include <filesystem>
#include <fstream>

namespace zentyra {

namespace {

// Far above any picture a report holds; keeps a stray multi-gigabyte file from being read.
constexpr std::uint64_t kMaxFileBytes = 512ull * 1024 * 1024;
// libUEMF's record checks may look up to this many bytes past the record they test.
constexpr std::size_t kReadPadding = 16;

std::string Describe(const std::string& path, const std::string& problem) {
    return "EMF picture " + path + ": " + problem;
}

std::optional<std::uint64_t> RegularFileSize(const std::string& path, std::string& problem) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) {
        problem = "the file does not exist";
        return std::nullopt;
    }
    if (!std::filesystem::is_regular_file(status)) {
        problem = "not a regular file";
        return std::nullopt;
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        problem = "the file cannot be read";
        return std::nullopt;
    }
    return size;
}

bool ReadBytes(const std::string& path, std::uint8_t* into, std::size_t count) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.read(reinterpret_cast<char*>(into), static_cast<std::streamsize>(count));
    return in.gcount() == static_cast<std::streamsize>(count);
}

std::string RecordPlace(std::size_t index, std::uint64_t offset) {
    return "record " + std::to_string(index) + " at offset " + std::to_string(offset);
}

// Walks the record chain after the header up to EMR_EOF. Chain errors fail the whole file,
// because nothing after them can be found; a record that fails libUEMF's check is only left out.
bool CollectRecords(emf::Document& document, std::uint64_t fileSize, std::string& problem) {
    std::uint64_t offset = document.header.size;
    for (std::size_t index = 1;; ++index) {
        if (offset == fileSize) {
            problem = "the file ends without an end-of-file record (truncated?)";
            return false;
        }
        if (fileSize - offset < 8) {
            problem = "the file is truncated inside " + RecordPlace(index, offset);
            return false;
        }
        const emf::Record head(document.bytes.data() + offset, 8);
        const std::uint32_t type = head.U32(0);
        const std::uint32_t size = head.U32(4);
        if (size < 8 || size % 4 != 0) {
            problem = RecordPlace(index, offset) + " has an invalid size " + std::to_string(size);
            return false;
        }
        if (size > fileSize - offset) {
            problem = RecordPlace(index, offset) + " of " + std::to_string(size) +
                      " bytes extends past the end of the file (truncated?)";
            return false;
        }
        const emf::RecordSpan span{static_cast<std::uint32_t>(offset), size};
        if (type == U_EMR_EOF) {
            document.records.push_back(span);
            return true;
        }
        if (emf::IsPlayedRecordType(type)) {
            if (U_emf_record_safe(reinterpret_cast<const char*>(document.bytes.data() + offset)))
                document.records.push_back(span);
            else
                ++document.skippedRecords;
        }
        offset += size;
    }
}

} // namespace

namespace emf {

std::optional<Header> ParseHeader(const std::uint8_t* bytes, std::size_t available,
                                  std::uint64_t fileSize, std::string& problem) {
    if (fileSize == 0) {
        problem = "the file is empty";
        return std::nullopt;
    }
    const Record record(bytes, static_cast<std::uint32_t>(std::min<std::size_t>(available, 4096)));
    if (available < 8 || record.type() != U_EMR_HEADER) {
        problem = "not an enhanced metafile (no header record)";
        return std::nullopt;
    }
    if (available < U_SIZE_EMRHEADER_MIN) {
        problem = "the header is truncated";
        return std::nullopt;
    }
    if (record.U32(40) != U_ENHMETA_SIGNATURE) {
        problem = "not an enhanced metafile (wrong signature)";
        return std::nullopt;
    }
    Header header;
    header.size = record.U32(4);
    if (header.size < U_SIZE_EMRHEADER_MIN || header.size % 4 != 0) {
        problem = "the header has an invalid size " + std::to_string(header.size);
        return std::nullopt;
    }
    if (header.size > fileSize) {
        problem = "the header extends past the end of the file (truncated?)";
        return std::nullopt;
    }
    header.bounds = {record.I32(8), record.I32(12), record.I32(16), record.I32(20)};
    header.frame = {record.I32(24), record.I32(28), record.I32(32), record.I32(36)};
    const auto& frame = header.frame;
    if (std::int64_t{frame.right} - frame.left <= 0 ||
        std::int64_t{frame.bottom} - frame.top <= 0) {
        problem = "has an empty picture frame";
        return std::nullopt;
    }
    header.handleCount = record.U16(56);

    // szlMillimeters is whole millimetres only; szlMicrometers, when present, is exact.
    const double devicePixelsX = record.I32(72), devicePixelsY = record.I32(76);
    double micronsX = record.I32(80) * 1000.0, micronsY = record.I32(84) * 1000.0;
    if (header.size >= 108 && record.I32(100) > 0 && record.I32(104) > 0) {
        micronsX = record.I32(100);
        micronsY = record.I32(104);
    }
    const auto plausible = [](double value) { return value >= 0.01 && value <= 1e6; };
    if (devicePixelsX > 0 && devicePixelsY > 0 && plausible(micronsX / devicePixelsX) &&
        plausible(micronsY / devicePixelsY)) {
        header.micronsPerPixelX = micronsX / devicePixelsX;
        header.micronsPerPixelY = micronsY / devicePixelsY;
    }
    return header;
}

} // namespace emf

std::optional<EmfPicture> EmfPicture::Load(const std::string& path, std::string* error) {
    std::string problem;
    const auto fail = [&] {
        if (error) *error = Describe(path, problem);
        return std::nullopt;
    };
    const auto fileSize = RegularFileSize(path, problem);
    if (!fileSize) return fail();
    if (*fileSize > kMaxFileBytes) {
        problem = "the file is larger than " + std::to_string(kMaxFileBytes >> 20) + " MB";
        return fail();
    }
    auto document = std::make_shared<emf::Document>();
    document->bytes.assign(*fileSize + kReadPadding, 0);
    if (!ReadBytes(path, document->bytes.data(), *fileSize)) {
        problem = "the file cannot be read";
        return fail();
    }
    auto header = emf::ParseHeader(document->bytes.data(), *fileSize, *fileSize, problem);
    if (!header) return fail();
    document->header = *header;
    if (!CollectRecords(*document, *fileSize, problem)) return fail();

    EmfPicture picture;
    picture.frame_ = header->frame;
    picture.document_ = std::move(document);
    return picture;
}

std::optional<EmfFrame> EmfPicture::ReadFrame(const std::string& path, std::string* error) {
    std::string problem;
    const auto fail = [&] {
        if (error) *error = Describe(path, problem);
        return std::nullopt;
    };
    const auto fileSize = RegularFileSize(path, problem);
    if (!fileSize) return fail();
    std::uint8_t bytes[emf::kHeaderBytesNeeded] = {};
    const auto available =
        static_cast<std::size_t>(std::min<std::uint64_t>(*fileSize, emf::kHeaderBytesNeeded));
    if (!ReadBytes(path, bytes, available)) {
        problem = "the file cannot be read";
        return fail();
    }
    const auto header = emf::ParseHeader(bytes, available, *fileSize, problem);
    if (!header) return fail();
    return header->frame;
}

void EmfPicture::Play(QPainter& painter, const QRectF& target) const {
    if (!document_ || !target.isValid() || !painter.isActive()) return;
    emf::Player(*document_, painter, target).Play();
}

} // namespace zentyra
