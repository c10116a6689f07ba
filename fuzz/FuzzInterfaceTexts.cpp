// The interface texts of a language: 40 texts, none holding a line end, and written back
// one per CR LF line they read the same again.
#include "ByteBuffer.h"
#include "FuzzSupport.h"
#include "InterfaceTexts.h"

using namespace sporix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ByteBuffer buffer(bytes);
    const InterfaceTexts texts = readInterfaceTexts(buffer);
    std::string written;
    for (const std::string& text : texts) {
        fuzz::require(text.find_first_of("\r\x1A") == std::string::npos, "a text holds a CR or byte 26");
        written += text + "\r\n";
    }
    ByteBuffer again(written);
    fuzz::require(readInterfaceTexts(again) == texts, "the texts written back read differently");
    return 0;
}
