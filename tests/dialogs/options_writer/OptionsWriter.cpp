// Another process using the options store, for the tests of processes that
// share a profile. Its profile is that of the application NAME under the
// XDG_CONFIG_HOME it was started with.
//
//   options_writer NAME save ROUNDS EXT1 EXT2 EXT3 EXT4 EXT5 CAPS EXT MAX
//       saves these options ROUNDS times.
#include "dialogs/OptionsStore.h"
#include "tests/support/KeyedApp.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc == 12 && std::string(argv[2]) == "save") {
        KeyedApp app(argv[1]);
        const SearchOptions options{argv[4],
                                    argv[5],
                                    argv[6],
                                    argv[7],
                                    argv[8],
                                    std::atoi(argv[9]),
                                    std::atoi(argv[10]),
                                    std::atoi(argv[11])};
        for (int round = std::atoi(argv[3]); round > 0; --round)
            SaveOptions(app, options);
        return 0;
    }
    std::fprintf(stderr, "usage: options_writer NAME save ROUNDS EXT1..EXT5 CAPS EXT MAX\n");
    return 2;
}
