// Scenario support for the status monitor: printer A1 on the bus, watched by
// a main window that has already found it (the first poll comes one second
// after the start), and the user's view of it.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "app/status_client_dlg.h"
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
        startPresetMainWindow(h, {language, h.printer("A1").interfacePath(), "BRENLATO ZEV SERIAL NUMBER: A1 ;"});
        h.onMainDialog([inkPopup](CStatusClientDlg& dlg) { dlg.m_strInkPopup = inkPopup; });
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

    bool polling() { return h.mainTimerRuns(CStatusClientDlg::kStatusTimer); }
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
