#pragma once
// Code-page conversion through iconv. "ANSI" means the process ANSI code page, which is
// Windows-1252 unless set otherwise (the suite's files come from Western European Windows).
#include <string>
#include <string_view>

namespace zentyra {

inline constexpr int kCodePageAnsi = 0; // the process ANSI code page
inline constexpr int kCodePage1252 = 1252;
inline constexpr int kCodePageUtf8 = 65001;
inline constexpr int kCodePageUtf16LE = 1200;
inline constexpr int kCodePageUtf16BE = 1201;

void SetAnsiCodePage(int codePage); // 0 restores the default 1252
int AnsiCodePage();

// Bytes in the given code page to UTF-8. Bytes that the code page does not map (0x81 in
// 1252, say) become U+FFFD; never fails. An unknown code page is treated as 1252.
std::string ToUtf8(std::string_view bytes, int codePage = kCodePageAnsi);
// UTF-8 to bytes of the code page; characters it cannot hold become '?'.
std::string FromUtf8(std::string_view utf8, int codePage = kCodePageAnsi);

} // namespace zentyra
