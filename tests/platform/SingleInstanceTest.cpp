#include "platform/SingleInstance.h"

#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

namespace zentyra::test {
namespace {

// A child process that takes the lock, says so through a pipe and waits to be killed.
pid_t HoldLockInChild(const std::string& directory) {
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        SingleInstanceLock lock("Test_Instance", directory);
        const char state = lock.acquired() ? 'y' : 'n';
        if (::write(ready[1], &state, 1) != 1) ::_exit(1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char state = 0;
    const bool ok = ::read(ready[0], &state, 1) == 1 && state == 'y';
    ::close(ready[0]);
    return ok ? child : -1;
}

TEST(SingleInstance, ASecondLockIsRefusedWhileTheFirstIsHeld) {
    TempDir dir;
    std::optional<SingleInstanceLock> first;
    first.emplace("Test_Instance", dir.path());
    ASSERT_TRUE(first->acquired());
    EXPECT_EQ(SingleInstanceLock("Test_Instance", dir.path()).state(),
              SingleInstanceLock::State::HeldElsewhere);
    EXPECT_TRUE(SingleInstanceLock("Other_Instance", dir.path()).acquired());
    first.reset();
    EXPECT_TRUE(SingleInstanceLock("Test_Instance", dir.path()).acquired());
}

TEST(SingleInstance, AKilledHolderBlocksNobody) {
    TempDir dir;
    const pid_t child = HoldLockInChild(dir.path());
    ASSERT_GT(child, 0);
    EXPECT_EQ(SingleInstanceLock("Test_Instance", dir.path()).state(),
              SingleInstanceLock::State::HeldElsewhere);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    // The lock file is still there; the lock on it went with the process.
    EXPECT_TRUE(SingleInstanceLock("Test_Instance", dir.path()).acquired());
}

TEST(SingleInstance, AFolderThatDoesNotExistGivesNoLockButNoStop) {
    TempDir dir;
    const SingleInstanceLock lock("Test_Instance", dir.file("missing/folder"));
    EXPECT_EQ(lock.state(), SingleInstanceLock::State::Unavailable);
}

} // namespace
} // namespace zentyra::test
