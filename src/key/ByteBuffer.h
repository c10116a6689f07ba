#pragma once

#include <streambuf>
#include <string>
#include <type_traits>
#include <string_view>

namespace sporix {

// A read-only stream buffer over bytes in memory, so that every reader can be fed from a
// test or a fuzzer exactly as from a file.
class ByteBuffer : public std::streambuf {
public:
    explicit ByteBuffer(std::string_view bytes) {
        char* begin = const_cast<char*>(bytes.data());
        setg(begin, begin, begin + bytes.size());
    }
    // The bytes must outlive the buffer: a temporary string would not.
    template <class Temporary, std::enable_if_t<std::is_same_v<Temporary, std::string>, int> = 0>
    explicit ByteBuffer(Temporary&& bytes) = delete;
};

}  // namespace sporix
