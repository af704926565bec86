#include "res/RegisterResources.h"

#include "framework/dialog/ResourceTable.h"
#include "res/AboutBoxResources.h"
#include "res/MainDialogResources.h"
#include "res/OptionsDialogResources.h"
#include "res/StringTable.h"
#include "res/TipDialogResources.h"
#include "res/WebLinksResources.h"

void RegisterResources() {
    ResourceTable::AddMenu(MainMenuTemplate());
    ResourceTable::AddDialog(MainDialogTemplate());
    ResourceTable::AddAccelerators(MainAcceleratorTable());
    ResourceTable::AddDialog(AboutBoxTemplate());
    ResourceTable::AddDialog(WebLinksTemplate());
    ResourceTable::AddDialog(OptionsDialogTemplate());
    ResourceTable::AddDialog(TipDialogTemplate());
    for (auto& [id, text] : StringTable())
        ResourceTable::AddString(id, std::move(text));
}
