#pragma once

#include "tests/framework/support/TestDialog.h"
#include "tests/framework/support/TestResources.h"
#include "tests/support/UiDriver.h"

#include <gtest/gtest.h>

// A TestDialog made modeless, shown and active, with message boxes
// recorded instead of shown.
class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestResources();
        ASSERT_TRUE(dialog.Create());
        ShowActive(dialog);
    }
    QWidget* Control(int id) const { return Widget(dialog, id); }
    bool Ended() const { return dialog.GetModalResult() != -1; }

    BoxRecorder boxes;
    TestDialog dialog;
};
