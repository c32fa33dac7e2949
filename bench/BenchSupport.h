#pragma once
// What the benchmarks share: peak memory, elapsed time, and the timed PDF export line.
#include "render/PageRecorder.h"
#include "render/qt/PageExport.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace zentyra::bench {

inline double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

inline double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Exports the recorded pages to pdf and prints time, rate, file size and peak memory; false
// (with the message on standard error, after the program's name) when the export fails.
inline bool TimePdfExport(const PageRecorder& recorder, int pages, const std::string& pdf,
                          const char* program) {
    const auto start = std::chrono::steady_clock::now();
    std::string error;
    if (!ExportPdf(recorder, pdf, &error)) {
        std::fprintf(stderr, "%s: %s\n", program, error.c_str());
        return false;
    }
    const double seconds = SecondsSince(start);
    std::printf("PDF export of %d pages: %.2f s, %.0f pages/s, %.1f MB file, peak RSS %.0f MB\n",
                pages, seconds, pages / seconds,
                static_cast<double>(std::filesystem::file_size(pdf)) / 1e6, PeakMegabytes());
    return true;
}

} // namespace zentyra::bench
