#include <iostream>

#include "KeyTool.h"

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    return sporix::keytool::runKeyTool(words, {std::cout, std::cerr});
}
