#include "app/JsonWriter.h"

#include <gtest/gtest.h>

namespace zentyra {
namespace {

TEST(JsonWriter, NestsAndEscapes) {
    JsonWriter json;
    json.beginObject();
    json.member("text", "a\"b\\c\n\x01é");
    json.member("n", -42);
    json.member("flag", true);
    json.key("empty");
    json.beginArray();
    json.endArray();
    json.key("list");
    json.beginArray();
    json.value(1);
    json.null();
    json.endArray();
    json.endObject();
    EXPECT_EQ(json.text(), "{\n"
                           "  \"text\": \"a\\\"b\\\\c\\n\\u0001é\",\n"
                           "  \"n\": -42,\n"
                           "  \"flag\": true,\n"
                           "  \"empty\": [],\n"
                           "  \"list\": [\n"
                           "    1,\n"
                           "    null\n"
                           "  ]\n"
                           "}\n");
}

TEST(JsonWriter, InvalidUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(JsonWriter::Escape("a\xff"
                                 "b"),
              "\"a\xEF\xBF\xBD"
              "b\"");
}

} // namespace
} // namespace zentyra
