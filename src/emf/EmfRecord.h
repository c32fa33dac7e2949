#pragma once
// The parts of an enhanced metafile the player shares: a bounds-checked view of one record, the
// header values the mapping needs, and the loaded file with the offsets of its usable records.
#include "emf/EmfPicture.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace zentyra::emf {

// One record's bytes. Every read that does not fit inside the record yields 0, so a corrupt
// count or offset can make a picture wrong but never makes the player read outside the file.
class Record {
public:
    Record(const std::uint8_t* data, std::uint32_t size) : data_(data), size_(size) {}

    std::uint32_t type() const { return U32(0); }
    std::uint32_t size() const { return size_; }

    bool Fits(std::uint64_t offset, std::uint64_t length) const {
        return offset <= size_ && length <= size_ - offset;
    }
    // The bytes at offset, or nullptr when they do not all lie inside the record.
    const std::uint8_t* Bytes(std::uint64_t offset, std::uint64_t length) const {
        return Fits(offset, length) ? data_ + offset : nullptr;
    }

    std::uint8_t U8(std::uint64_t offset) const { return Fits(offset, 1) ? data_[offset] : 0; }
    std::uint16_t U16(std::uint64_t offset) const {
        if (!Fits(offset, 2)) return 0;
        return static_cast<std::uint16_t>(data_[offset] | (data_[offset + 1] << 8));
    }
    std::int16_t I16(std::uint64_t offset) const { return static_cast<std::int16_t>(U16(offset)); }
    std::uint32_t U32(std::uint64_t offset) const {
        if (!Fits(offset, 4)) return 0;
        return static_cast<std::uint32_t>(data_[offset]) |
               (static_cast<std::uint32_t>(data_[offset + 1]) << 8) |
               (static_cast<std::uint32_t>(data_[offset + 2]) << 16) |
               (static_cast<std::uint32_t>(data_[offset + 3]) << 24);
    }
    std::int32_t I32(std::uint64_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
    float F32(std::uint64_t offset) const {
        const std::uint32_t bits = U32(offset);
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

private:
    const std::uint8_t* data_;
    std::uint32_t size_;
};

// What the player needs from the header record.
struct Header {
    std::uint32_t size = 0; // nSize: the first record after the header starts here
    EmfFrame bounds;        // rclBounds, reference-device pixels
    EmfFrame frame;         // rclFrame, 0.01 mm
    std::uint16_t handleCount = 0;
    // Size of one reference-device pixel in micrometres.
    double micronsPerPixelX = 25400.0 / 96.0;
    double micronsPerPixelY = 25400.0 / 96.0;
};

// The header fields live in the first 108 bytes (szlMicrometers ends there).
inline constexpr std::size_t kHeaderBytesNeeded = 108;

// Checks the header at the start of a file of fileSize bytes, of which the first
// available bytes are given. On failure returns nullopt and sets problem.
std::optional<Header> ParseHeader(const std::uint8_t* bytes, std::size_t available,
                                  std::uint64_t fileSize, std::string& problem);

struct RecordSpan {
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
};

// A loaded file. bytes holds the file and 16 zero bytes after it, because libUEMF's checks
// may read a few bytes past the record they test.
struct Document {
    std::vector<std::uint8_t> bytes;
    Header header;
    std::vector<RecordSpan> records; // records to play, in file order, the header excluded
    std::size_t skippedRecords = 0;  // records that failed validation

    Record At(const RecordSpan& span) const {
        return Record(bytes.data() + span.offset, span.size);
    }
};

} // namespace zentyra::emf
