// The genus list: 1..30 entries within their widths, and written back they read the same.
#include "ByteBuffer.h"
#include "FuzzSupport.h"
#include "GenusList.h"

using namespace sporix;

namespace {

std::string writtenBack(const GenusList& list, int count) {
    std::string text;
    for (int k = 0; k < count; ++k) {
        const GenusEntry& entry = list[static_cast<std::size_t>(k)];
        text += entry.code + "\r\n" + entry.folder + "\r\n" + entry.displayName + "\r\n";
    }
    return text;
}

bool sameEntries(const GenusList& a, const GenusList& b, int count) {
    for (std::size_t k = 0; k < static_cast<std::size_t>(count); ++k) {
        if (a[k].code != b[k].code || a[k].folder != b[k].folder || a[k].displayName != b[k].displayName) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ByteBuffer buffer(bytes);
    GenusList list;
    const int count = readGenusList(buffer, list);
    fuzz::require(count >= 1 && count <= kMaxGenera, "entries read: " + std::to_string(count));
    for (const GenusEntry& entry : list) {
        fuzz::require(entry.code.size() <= kGenusCodeWidth && entry.folder.size() <= kGenusFolderWidth &&
                          entry.displayName.size() <= kGenusNameWidth,
                      "an entry is wider than its texts: " + entry.code + "/" + entry.folder + "/" + entry.displayName);
    }
    const std::string written = writtenBack(list, count);
    ByteBuffer again(written);
    GenusList reread;
    fuzz::require(readGenusList(again, reread) == count && sameEntries(list, reread, count),
                  "the genus list written back reads differently");
    return 0;
}
