#include "JsonWriter.h"

#include <cstdio>

namespace sporix {

namespace {

void appendEscaped(std::string& out, std::string_view utf8) {
    out.push_back('"');
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(c);
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out.push_back(c);
        }
    }
    out.push_back('"');
}

}  // namespace

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (empty_.empty()) return;
    if (!empty_.back()) out_.push_back(',');
    empty_.back() = false;
}

JsonWriter& JsonWriter::open(char bracket) {
    beforeValue();
    out_.push_back(bracket);
    empty_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::close(char bracket) {
    out_.push_back(bracket);
    empty_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beforeValue();
    appendEscaped(out_, name);
    out_.push_back(':');
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view utf8) {
    beforeValue();
    appendEscaped(out_, utf8);
    return *this;
}

JsonWriter& JsonWriter::number(long long value) {
    beforeValue();
    out_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::boolean(bool value) {
    beforeValue();
    out_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    out_ += "null";
    return *this;
}

}  // namespace sporix
