#pragma once
// Paths. Files written on Windows use backslashes; we accept both separators, join with
// '/', and look existing files up without regard to case ("ORV.INI" and "Orv.ini" were one
// file on the platform the suite comes from).
#include <string>
#include <string_view>

namespace zentyra {

// Every '\' becomes '/'.
std::string ToSlashes(std::string_view path);
// dir + '/' + name, without doubling a separator at the end of dir; either side may be empty.
std::string JoinPath(std::string_view dir, std::string_view name);
// The path up to, and without, its last separator ('/' or '\'); empty if there is none.
std::string ParentPath(std::string_view path);
// The part after the last separator.
std::string FileName(std::string_view path);
bool IsAbsolutePath(std::string_view path);
// "C:", "C:\..." or "C:/...": a Windows drive path, which names nothing here.
bool HasDriveLetter(std::string_view path);

// The path of an existing file or directory whose components match `path` without regard to
// case, checked from the longest prefix that exists as spelt; `path` itself (separators
// normalised) when nothing matches.
std::string ResolveCaseInsensitive(std::string_view path);
bool FileExists(std::string_view path); // a regular file (after case-insensitive lookup)
bool DirectoryExists(std::string_view path);

// Absolute path of the running executable ("/proc/self/exe"); empty if it cannot be read.
std::string ExecutablePath();

} // namespace zentyra
