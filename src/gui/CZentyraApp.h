#pragma once
// The desktop program's start and exit: one instance at a time, the selection switch, the
// configuration record read at start and written at exit, the project of the command line
// opened into the one document, and the main window.
#include "app/CommandLine.h"

#include <memory>
#include <string>

class CMainFrame;
class CZentyraDoc;
class MessageBoxSink;

namespace zentyra {
class MessageSink;
class ScopedMessageSink;
class SingleInstanceLock;
} // namespace zentyra

class CZentyraApp {
public:
    static constexpr const char* kAlreadyRunning = "Another instance is already running.";

    struct Options {
        // Where the single-instance lock goes; empty: the user's runtime directory.
        std::string lockDirectory;
        // Messages go here instead of message boxes (tests); not owned.
        zentyra::MessageSink* messages = nullptr;
    };

    // Needs a QApplication.
    CZentyraApp(zentyra::CommandLine line, Options options);
    explicit CZentyraApp(zentyra::CommandLine line);
    ~CZentyraApp();

    // False ends the program at once (a second instance, a suite folder that does not exist).
    bool InitInstance();
    // Writes the configuration record and releases the process-wide objects. Returns 0.
    int ExitInstance();

    CMainFrame* mainFrame() const { return frame_.get(); }
    CZentyraDoc* document() const { return document_.get(); }

private:
    zentyra::CommandLine line_;
    Options options_;
    std::unique_ptr<MessageBoxSink> boxes_;
    std::unique_ptr<zentyra::ScopedMessageSink> sink_;
    std::unique_ptr<zentyra::SingleInstanceLock> lock_;
    std::unique_ptr<CZentyraDoc> document_;
    std::unique_ptr<CMainFrame> frame_;
    bool started_ = false;
};

// main() of the window: the application object, start-up, the event loop, exit.
int RunDesktop(const zentyra::CommandLine& line, int argc, char** argv);
