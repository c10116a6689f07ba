#pragma once

#include <streambuf>
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
};

}  // namespace sporix
