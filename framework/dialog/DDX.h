#pragma once

#include "framework/types/WinDefs.h"

#include <string>

class CDataExchange;
class CWnd;

// The data exchange routines for DoDataExchange. Each moves one value
// between a member and control `nIDC` in the direction of the exchange; the
// validation routines follow the exchange of the value they check. A failed
// read or check shows its warning (AfxMessageBox, MB_ICONEXCLAMATION) and
// ends the exchange (CDataExchange::Fail); the member is left as it was by a
// failed read.

// The control's text as bytes. Reading a control gives back the exact bytes
// written to it unless the user has edited it.
void DDX_Text(CDataExchange& dx, int nIDC, std::string& value);
// A decimal integer: reading takes an optional sign and digits with blanks
// or tabs around them and nothing else; anything else, an empty text or a
// number beyond int fails with "Please enter an integer.".
void DDX_Text(CDataExchange& dx, int nIDC, int& value);
// A check box: 0 unchecked, 1 checked.
void DDX_Check(CDataExchange& dx, int nIDC, int& value);
// Attaches `rControl` to control `nIDC` unless it is attached already.
// Throws std::logic_error when another object is attached to the control.
void DDX_Control(CDataExchange& dx, int nIDC, CWnd& rControl);

// For an edit control just exchanged: writing limits what the user can type
// to nChars characters; reading fails with "Please enter no more than %1
// characters." when the text is longer. Other controls (a static showing a
// long path) are neither limited nor checked.
void DDV_MaxChars(CDataExchange& dx, const std::string& value, int nChars);
// Reading fails with "Please enter an integer between %1 and %2." when the
// value lies outside minVal..maxVal; the member already holds the value.
void DDV_MinMaxInt(CDataExchange& dx, int value, int minVal, int maxVal);
