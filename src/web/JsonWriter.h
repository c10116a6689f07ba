#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sporix {

// Writes one JSON document from front to back; the writer puts the commas. Strings are
// given as UTF-8 and escaped where JSON needs it.
class JsonWriter {
public:
    JsonWriter& beginObject() { return open('{'); }
    JsonWriter& endObject() { return close('}'); }
    JsonWriter& beginArray() { return open('['); }
    JsonWriter& endArray() { return close(']'); }
    JsonWriter& key(std::string_view name);
    JsonWriter& string(std::string_view utf8);
    JsonWriter& number(long long value);
    JsonWriter& boolean(bool value);
    JsonWriter& null();

    const std::string& text() const { return out_; }

private:
    void beforeValue();
    JsonWriter& open(char bracket);
    JsonWriter& close(char bracket);

    std::string out_;
    std::vector<bool> empty_;  // per open container: nothing written in it yet
    bool afterKey_ = false;
};

}  // namespace sporix
