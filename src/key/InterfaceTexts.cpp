#include "InterfaceTexts.h"

#include "LineReader.h"

namespace sporix {

InterfaceTexts readInterfaceTexts(std::streambuf& in) {
    LineReader reader(in);
    InterfaceTexts texts;
    for (auto& text : texts) text = reader.readLine();
    return texts;
}

}  // namespace sporix
