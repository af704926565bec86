#pragma once

class QWidget;

// How the controls of template dialogs appear to accessibility (screen
// readers): the interface of each kind of control (ControlKind), chosen by
// its widget's class. Push buttons, check boxes and group boxes keep Qt's own
// interfaces, which name them by their text without mnemonic marks and
// describe them by their tooltip (CToolTipCtrl tells the widget).
class ControlAccessibility {
public:
    // Installs the interfaces with Qt; once is enough, again does nothing.
    static void Install();
    // While accessibility is on, Qt may have made an interface for a control
    // while its widget was still being built (a list view announces its model
    // from its base class's constructor), before the widget was of its kind:
    // that interface gives way to the kind's own.
    static void Adopt(QWidget* control);
};
