#include "res/StringTable.h"

#include "res/Resource.h"

std::vector<std::pair<UINT, std::string>> StringTable() {
    return {
        {ID_TIP_OF_THE_DAY, "Displays a Tip of the Day."},
        {IDS_TIP_MENU, "Ti&p of the Day..."},
        {IDS_TIP_DID_YOU_KNOW, "Did you know..."},
        {IDS_TIPS_FILE_MISSING, "Tips file does not exist in the prescribed directory"},
        {IDS_TIPS_FILE_TROUBLE, "Trouble reading the tips file"},
    };
}
