// The settings file: any bytes read without harm, and what was read is written back so
// that it reads the same again.
#include "ByteBuffer.h"
#include "FuzzSupport.h"
#include "SettingsFile.h"

using namespace sporix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ByteBuffer buffer(bytes);
    const SettingsRead read = readSettings(buffer);
    fuzz::require(read.valuesRead >= 0 && read.valuesRead <= 2, "values read: " + std::to_string(read.valuesRead));
    if (read.invalidNumber || read.valuesRead < 2) return 0;
    const std::string written = formatSettings(read.values[0], read.values[1]);
    ByteBuffer again(written);
    const SettingsRead reread = readSettings(again);
    fuzz::require(reread.valuesRead == 2 && !reread.invalidNumber && reread.values[0] == read.values[0] &&
                      reread.values[1] == read.values[1],
                  "the settings written as \"" + written + "\" read differently");
    return 0;
}
