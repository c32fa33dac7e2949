#pragma once
// Profile (INI) files with the semantics of the Windows private-profile functions:
// case-insensitive sections and keys, the caller's default for a missing key, writes that
// create the file, section or key as needed, integers read the way those functions read
// them, and structures stored as hex bytes plus a checksum byte.
//
// The file name is looked up without regard to case. Writes replace the whole file
// atomically (temporary file + rename), so a crash never leaves a half-written file.
// Lines that are neither sections nor key=value pairs are kept as they are on rewrite.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zentyra {

// The value of key in section, or `fallback` when the file, section or key is missing.
// Leading and trailing blanks are removed, and one pair of matching quotes around the
// whole value. At most maxUnits UTF-16 units are returned (0 = no limit). The first
// occurrence of a section and of a key wins. Values that are not valid UTF-8 are taken as
// ANSI text.
std::string ReadProfileString(std::string_view file, std::string_view section,
                              std::string_view key, std::string_view fallback,
                              std::size_t maxUnits = 0);

// As GetPrivateProfileInt: `fallback` when the key is missing; otherwise the leading decimal
// number of the value (optional sign), 0 when it has none.
int ReadProfileInt(std::string_view file, std::string_view section, std::string_view key,
                   int fallback);

// Reads a structure of exactly out.size() bytes. False (and `out` untouched) when the key is
// missing, the value has the wrong length, holds a non-hex digit, or its checksum is wrong.
bool ReadProfileStruct(std::string_view file, std::string_view section, std::string_view key,
                       std::span<std::uint8_t> out);

// Writes key=value in section, creating what is missing. False when the file cannot be
// written; the file is then unchanged.
bool WriteProfileString(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view value);
// Upper-case hex, two digits per byte, then the low byte of the sum of all bytes.
bool WriteProfileStruct(std::string_view file, std::string_view section, std::string_view key,
                        std::span<const std::uint8_t> data);

// The structure encoding alone, for tests and tools.
std::string EncodeProfileStruct(std::span<const std::uint8_t> data);
bool DecodeProfileStruct(std::string_view text, std::span<std::uint8_t> out);

} // namespace zentyra
