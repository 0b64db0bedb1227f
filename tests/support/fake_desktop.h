#pragma once
// A main window on recording services: message boxes answered as told, tones
// and opened documents only remembered.

#include <QTest>
#include <memory>

#include "window/form1.h"
#include "support/fakes.h"

namespace velunta::testing {

struct FakeDesktop {
    FakeDialogs dialogs;
    FakeTone tone;
    FakeOpener opener;

    // A new window, the records cleared; shown and on the screen unless `show` is false.
    std::unique_ptr<Form1> window(bool show = true) {
        dialogs = {};
        tone = {};
        opener = {};
        auto w = std::make_unique<Form1>(Form1Services{&dialogs, &tone, &opener});
        if (show) {
            w->show();
            if (!QTest::qWaitForWindowExposed(w.get())) return nullptr;
        }
        return w;
    }
};

}  // namespace velunta::testing
