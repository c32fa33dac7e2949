#pragma once
// The recorded pages as JSON: the page rectangle, the print order and every op of every page in
// drawing order, in integer page units.
#include <string>

namespace zentyra {

class PageRecorder;

std::string PageDumpJson(const PageRecorder& recorder);

} // namespace zentyra
