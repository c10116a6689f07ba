#include "GenusList.h"

#include "LineReader.h"

namespace sporix {

int readGenusList(std::streambuf& in, GenusList& list) {
    LineReader reader(in);
    int read = 0;
    do {
        GenusEntry& entry = list[static_cast<std::size_t>(read)];
        entry.code = reader.readLine(kGenusCodeWidth);
        entry.folder = reader.readLine(kGenusFolderWidth);
        entry.displayName = reader.readLine(kGenusNameWidth);
        ++read;
    } while (!reader.atEnd() && read < kMaxGenera);
    return read;
}

}  // namespace sporix
