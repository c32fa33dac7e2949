#pragma once
// The marker of a running desktop program: an advisory lock on a file in the user's runtime
// directory. The system drops the lock when the process ends, however it ends, so a crashed
// instance never blocks the next one.
#include <string>
#include <string_view>

namespace zentyra {

inline constexpr const char* kSingleInstanceName = "QamZentyra_SingleInstanceMutex";

class SingleInstanceLock {
public:
    enum class State {
        Acquired,      // this process is the one instance
        HeldElsewhere, // another process (or another lock object) holds it
        Unavailable,   // the lock file could not be opened
    };

    // Tries once, without waiting. directory: where the lock file goes; empty means
    // RuntimeDirectory().
    explicit SingleInstanceLock(std::string_view name = kSingleInstanceName,
                                std::string_view directory = {});
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    State state() const { return state_; }
    bool acquired() const { return state_ == State::Acquired; }
    const std::string& path() const { return path_; }

    // $XDG_RUNTIME_DIR when it names a directory, else a folder of this user's own under the
    // temporary directory (created with mode 0700).
    static std::string RuntimeDirectory();

private:
    int descriptor_ = -1;
    State state_ = State::Unavailable;
    std::string path_;
};

} // namespace zentyra
