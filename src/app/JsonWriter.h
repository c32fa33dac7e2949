#pragma once
// A small streaming JSON writer for the command line's dumps: objects and arrays nested by
// calls, two-space indentation, keys in the order written, UTF-8 text escaped as JSON needs.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zentyra {

class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view name);

    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(std::int64_t number);
    void value(int number) { value(static_cast<std::int64_t>(number)); }
    void value(bool flag);
    void null();

    template <typename T> void member(std::string_view name, const T& v) {
        key(name);
        value(v);
    }

    // The document so far, with a final line end once the outermost value is closed.
    const std::string& text() const { return out_; }

    static std::string Escape(std::string_view text);

private:
    void beforeValue();
    void newline();

    struct Level {
        bool isObject;
        bool empty = true;
    };
    std::string out_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
};

} // namespace zentyra
