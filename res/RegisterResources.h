#pragma once

// Registers the program's dialog templates, menus, keys and strings in the
// framework's resource table. Called once at start-up, before the first
// dialog is built (tests call it too; registering again replaces the same
// entries).
void RegisterResources();
