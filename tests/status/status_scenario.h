// Scenario support for the status monitor: printer A1 on the bus, watched by
// a main window that has found it (the first poll comes one second after the
// start), and the user's view of it.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>

#include "harness/app_harness.h"
#include "harness/preset_main_window.h"
#include "res/resource.h"

namespace statustest {

using namespace zevtest;
using namespace std::chrono_literals;

class PollingProgram : public ::testing::Test {
protected:
    void SetUp() override { h.addPrinter("A1"); }

    void start(const std::string& language = "0", const std::string& inkPopup = "1") {
        h.settingsFile(inkPopup + " " + language);
        // The first locate pass finds the printer ready; what the test set
        // takes effect from the status poll after it.
        const emulator::PrinterCondition condition = std::exchange(printer(), {});
        const emulator::PrinterFaults faults = std::exchange(this->faults(), {});
        startPresetMainWindow(h, {language, "BRENLATO ZEV SERIAL NUMBER: A1 ;", inkPopup});
        h.advance(1s);
        printer() = condition;
        this->faults() = faults;
    }

    // Starts the program and lets its first poll run; gives the window then on top.
    int firstPoll(const std::string& language, const std::string& inkPopup = "1") {
        start(language, inkPopup);
        return topAfter(1s);
    }
    // The same for the next row of a table: the previous row's program ends first.
    int rerun(const std::string& language, const std::string& inkPopup = "1") {
        h.stopAll();
        return firstPoll(language, inkPopup);
    }
    int topAfter(std::chrono::milliseconds time) {
        h.advance(time);
        return h.top().templateId();
    }
    // Only these two fields: a test may have set the pens before.
    void printing() {
        printer().state = 2;
        printer().activity = 15;
    }

    emulator::PrinterCondition& printer() { return h.printer("A1").condition; }
    emulator::PrinterFaults& faults() { return h.printer("A1").faults; }

    bool polling() { return h.mainTimerRuns(app::kStatusTimer); }
    std::string statusLine() { return h.main().text(IDC_STATUS_LINE); }

    // The popups are gone and the once-a-second poll runs again.
    ::testing::AssertionResult backToPolling() {
        if (h.top().templateId() != IDD_MAIN)
            return ::testing::AssertionFailure() << h.top().templateId() << " is on top";
        if (!polling()) return ::testing::AssertionFailure() << "the status timer is stopped";
        return ::testing::AssertionSuccess();
    }

    int openMessageBoxes() {
        int count = 0;
        for (WindowView& w : h.windows()) count += w.isMessageBox() ? 1 : 0;
        return count;
    }

    AppHarness h;
};

}  // namespace statustest
