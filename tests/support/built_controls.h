#pragma once
// The main window's controls without the window: built into a bare client area and
// laid out at the design size (800 x 512), as the window does at start-up.

#include <QMenuBar>
#include <QWidget>

#include "ui/form1_controls.h"
#include "ui/layout_grid.h"

namespace velunta::testing {

struct BuiltControls {
    QWidget client;
    QMenuBar menuBar;
    Form1Controls c;
    BuiltControls() {
        client.resize(800, 512);
        buildForm1Controls(&client, &menuBar, c);
        applyLayout(computeLayout(800, 512), c);
    }
};

}  // namespace velunta::testing
