#include "platform/Messages.h"
#include "platform/Text.h"

#include <gtest/gtest.h>
#include <string>

namespace zentyra {
namespace {

TEST(MessagesTest, DebugMessagesAreCutTo519UnitsAndErrorsAreNot) {
    RecordingMessageSink sink;
    ScopedMessageSink scope(sink);
    const std::string smile = "\xF0\x9F\x98\x80"; // two UTF-16 units

    DebugMsg("Xml file a.xml not loaded ok");
    DebugMsg(std::string(600, 'x'));
    DebugMsg(std::string(518, 'y') + smile); // the pair would need units 519 and 520
    DebugMsg(std::string(517, 'z') + smile + "tail");
    const std::string longError(10000, 'e');
    ReportError(longError);

    ASSERT_EQ(sink.messages.size(), 5u);
    EXPECT_EQ(sink.messages[0].kind, MessageKind::Debug);
    EXPECT_EQ(sink.messages[0].title, "Debug Msg");
    EXPECT_EQ(sink.messages[0].text, "Xml file a.xml not loaded ok");
    EXPECT_EQ(sink.messages[1].text, std::string(519, 'x'));
    EXPECT_EQ(sink.messages[2].text, std::string(518, 'y'));
    EXPECT_EQ(sink.messages[3].text, std::string(517, 'z') + smile);
    EXPECT_EQ(Utf16Length(sink.messages[3].text), 519u);
    EXPECT_EQ(sink.messages[4].kind, MessageKind::Error);
    EXPECT_EQ(sink.messages[4].title, "Zentyra");
    EXPECT_EQ(sink.messages[4].text, longError);
}

TEST(MessagesTest, ScopedSinksNestAndRestoreThePreviousSink) {
    MessageSink& original = CurrentMessageSink();
    RecordingMessageSink outer;
    {
        ScopedMessageSink outerScope(outer);
        RecordingMessageSink inner;
        {
            ScopedMessageSink innerScope(inner);
            ReportError("inner");
        }
        ReportError("outer");
        ASSERT_EQ(inner.messages.size(), 1u);
        EXPECT_EQ(inner.messages[0].text, "inner");
    }
    ASSERT_EQ(outer.messages.size(), 1u);
    EXPECT_EQ(outer.messages[0].text, "outer");
    EXPECT_EQ(&CurrentMessageSink(), &original);
}

} // namespace
} // namespace zentyra
