#pragma once

#include "framework/types/WinDefs.h"

// Dialogs and a menu of the framework tests, registered in the resource
// table by RegisterTestResources (idempotent).
namespace TestIds {
constexpr UINT kDialog = 9001;      // the dialog below, with menu kMenu
constexpr UINT kMenu = 9002;        // "&Edit" (1012, 57671), "&Help" (57670), "E&xit!" (1)
constexpr UINT kSmallDialog = 9003; // OK and Cancel only
constexpr UINT kMissing = 9999;     // never registered
// kDialog's topic in the manual; kSmallDialog names none.
constexpr const char* kHelpTopic = "framework-test";

// Controls of kDialog in template order: IDOK "&OK" (default), IDCANCEL
// "&Cancel", the edits kText and kNumber, the check box kCheck, the static
// kPath (static edge), a static "&Lines :", the list box kList, the push
// button kFind, the owner-drawn button kDraw, the hidden button kHidden
// ("&Zap"), the push button ID_HELP "&Help" and a group box "Data".
constexpr int kText = 1013;
constexpr int kNumber = 1029;
constexpr int kCheck = 1025;
constexpr int kPath = 1016;
constexpr int kList = 1017;
constexpr int kFind = 1011;
constexpr int kDraw = 1020;
constexpr int kHidden = 1030;
constexpr int kBrowse = 1012;   // menu only
constexpr int kOptions = 57671; // menu only
} // namespace TestIds

void RegisterTestResources();
