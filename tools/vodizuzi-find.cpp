#include "FindCommand.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    static char outBuffer[1 << 16];
    std::setvbuf(stdout, outBuffer, _IOFBF, sizeof outBuffer);
    return FindCommand().Run(std::vector<std::string>(argv + 1, argv + argc), stdout, stderr);
}
