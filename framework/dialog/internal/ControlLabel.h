#pragma once

#include <QString>

class QWidget;

// The texts that name a dialog's controls to accessibility, as a user reads
// them on screen.
class ControlLabel {
public:
    // `text` as shown with mnemonic marks: "&" before a letter is dropped,
    // "&&" shows one "&".
    static QString WithoutMnemonics(const QString& text);

    // The label that names an edit or a list box of a dialog built from a
    // template: the static text just before it in template order, else the
    // nearest static text to its left, level with it (either in the same
    // group box as the control), else the group box that frames it. A static text is a label when
    // it is shown, has text and shows mnemonics (an SS_NOPREFIX static shows data, a path or a
    // count). The name is the label's text without mnemonic marks and a trailing colon; empty when
    // no label names the control.
    static QString For(const QWidget* control);
};
