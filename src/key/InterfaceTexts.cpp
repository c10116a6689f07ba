#include "InterfaceTexts.h"

#include "LineReader.h"

namespace sporix {

InterfaceTexts readInterfaceTexts(std::streambuf& in) {
    LineReader reader(in);
    InterfaceTexts texts;
    for (auto& text : texts) text = reader.readLine();
    return texts;
}

NumberedTexts readNumberedTexts(std::streambuf& in, std::size_t count) {
    LineReader reader(in);
    NumberedTexts read;
    read.texts.resize(count);
    for (auto& text : read.texts) {
        if (reader.atEnd()) break;
        text = reader.readLine();
        ++read.lines;
    }
    return read;
}

}  // namespace sporix
