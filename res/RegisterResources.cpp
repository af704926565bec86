#include "RegisterResources.h"

#include "AboutBoxResources.h"
#include "MainDialogResources.h"
#include "OptionsDialogResources.h"
#include "ResourceTable.h"
#include "StringTable.h"
#include "TipDialogResources.h"
#include "WebLinksResources.h"

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
