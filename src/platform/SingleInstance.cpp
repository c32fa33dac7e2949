#include "platform/SingleInstance.h"

#include "platform/Path.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace zentyra {

SingleInstanceLock::SingleInstanceLock(std::string_view name, std::string_view directory) {
    const std::string folder = directory.empty() ? RuntimeDirectory() : std::string(directory);
    path_ = JoinPath(folder, std::string(name) + ".lock");
    descriptor_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor_ < 0) {
        // A file we may not open is another user's instance, as a mutex we may not open was.
        state_ = errno == EACCES ? State::HeldElsewhere : State::Unavailable;
        return;
    }
    // flock locks belong to the open file description: a second open of the same file, in
    // this process or another, is refused until the first is closed or its process ends.
    if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0) {
        state_ = State::Acquired;
        return;
    }
    state_ = errno == EWOULDBLOCK ? State::HeldElsewhere : State::Unavailable;
    ::close(descriptor_);
    descriptor_ = -1;
}

SingleInstanceLock::~SingleInstanceLock() {
    // Closing drops the lock; the file stays, so that no other process races on its creation.
    if (descriptor_ >= 0) ::close(descriptor_);
}

std::string SingleInstanceLock::RuntimeDirectory() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime != nullptr && *runtime != '\0' && DirectoryExists(runtime)) {
        return runtime;
    }
    const char* temporary = std::getenv("TMPDIR");
    const std::string base = temporary != nullptr && *temporary != '\0' ? temporary : "/tmp";
    const std::string folder = JoinPath(base, "zentyra-" + std::to_string(::getuid()));
    ::mkdir(folder.c_str(), 0700);
    return folder;
}

} // namespace zentyra
