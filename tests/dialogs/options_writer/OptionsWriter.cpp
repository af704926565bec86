// Another process using the options store, for the tests of processes that
// share a profile and of a user who may not write it. Its profile is that of
// the application NAME under the XDG_CONFIG_HOME it was started with.
//
//   options_writer NAME start
//       stores the first-run options, then prints the loaded ones (Describe);
//   options_writer NAME save ROUNDS EXT1 EXT2 EXT3 EXT4 EXT5 CAPS EXT MAX
//       saves these options ROUNDS times.
#include "KeyedApp.h"
#include "OptionsStore.h"
#include "OptionsText.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    const std::string command = argc > 2 ? argv[2] : "";
    if (argc == 3 && command == "start") {
        KeyedApp app(argv[1]);
        WriteDefaultOptions(app);
        std::printf("%s\n", Describe(LoadOptions(app)).c_str());
        return 0;
    }
    if (argc == 12 && command == "save") {
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
    std::fprintf(stderr,
                 "usage: options_writer NAME start | NAME save ROUNDS EXT1..EXT5 CAPS EXT MAX\n");
    return 2;
}
