// Help texts (and species descriptions, read the same way): no shown line holds a line
// end or byte 26, and the lines written back one per CR LF read the same again.
#include "ByteBuffer.h"
#include "DisplayLines.h"
#include "FuzzSupport.h"

using namespace sporix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ByteBuffer buffer(bytes);
    const std::vector<std::string> lines = readDisplayLines(buffer);
    std::string written;
    std::size_t shown = 0;
    for (const std::string& line : lines) {
        fuzz::require(line.find_first_of("\r\n\x1A") == std::string::npos, "a shown line holds a line end or byte 26");
        written += line + "\r\n";
        shown += line.size();
    }
    fuzz::require(shown <= size, "more shown than the file holds");
    ByteBuffer again(written);
    fuzz::require(readDisplayLines(again) == lines, "the lines written back read differently");
    return 0;
}
