// VO Dizuzi: finds the lines matching a pattern in the text files under a
// folder and shows the matching files one at a time.
#include "app/CFinderApp.h"
#include "res/RegisterResources.h"

// The one application object, alive for the whole run.
CFinderApp theApp;

int main(int argc, char** argv) {
    RegisterResources();
    return AfxWinMain(argc, argv);
}
