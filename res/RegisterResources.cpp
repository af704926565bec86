#include "RegisterResources.h"

#include "MainDialogResources.h"
#include "OptionsDialogResources.h"
#include "ResourceTable.h"

void RegisterResources() {
    ResourceTable::AddMenu(MainMenuTemplate());
    ResourceTable::AddDialog(MainDialogTemplate());
    ResourceTable::AddDialog(OptionsDialogTemplate());
}
