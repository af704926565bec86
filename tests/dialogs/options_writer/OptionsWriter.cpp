// Another process using the options store, for the tests of processes that
// share a profile. Its profile is that of the application NAME under the
// XDG_CONFIG_HOME it was started with.
//
//   options_writer NAME save ROUNDS VALUE...
//       saves the options ROUNDS times; one VALUE per value of the options
//       table, in its order (OptionWords).
#include "dialogs/OptionsStore.h"
#include "tests/support/KeyedApp.h"
#include "tests/support/OptionsPrinter.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    const int values = static_cast<int>(OptionValues().size());
    if (argc == 4 + values && std::string(argv[2]) == "save") {
        KeyedApp app(argv[1]);
        const SearchOptions options = FromOptionWords(argv + 4);
        for (int round = std::atoi(argv[3]); round > 0; --round)
            SaveOptions(app, options);
        return 0;
    }
    std::fprintf(stderr, "usage: options_writer NAME save ROUNDS VALUE... (%d values)\n", values);
    return 2;
}
