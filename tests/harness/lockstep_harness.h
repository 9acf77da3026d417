// Drives the whole program headless: it runs on its own thread over a simulated
// machine, and parks whenever it waits for input or for its next timer. The test
// then inspects windows and acts like a user, and lets virtual time run on.
// Only tests, benchmarks and fuzzers use it; the program never does.
#pragma once

#include <chrono>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "os/headless/machine.h"
#include "ui/headless/headless_backend.h"

namespace ui::headless {

class Instance;

// A view of one window of an instance; valid while that window is open.
class WindowView {
public:
    WindowView(Instance& inst, std::uint64_t serial) : m_inst(&inst), m_serial(serial) {}

    bool open() const;
    int templateId() const;
    std::string caption() const;
    bool visible() const;
    bool iconic() const;
    bool isMessageBox() const;
    std::string messageText() const;
    unsigned messageType() const;

    std::string text(int id) const;
    std::vector<std::string> textHistory(int id) const;  // every text the program set
    int checked(int id) const;
    bool itemEnabled(int id) const;
    bool itemVisible(int id) const;
    int spinPos(int id) const;
    std::pair<int, int> range(int id) const;
    std::vector<std::string> comboItems(int id) const;
    int picture(int id) const;
    std::vector<unsigned> timers() const;
    ui::CtlColor colour(int id) const;

    // User input; throws when a user could not do it (hidden or disabled control or window).
    void click(int id);
    void type(int id, const std::string& text);
    void choose(int id, int index);
    void enter();
    void escape();
    void closeBox();
    void sysCommand(unsigned cmd);
    void answer(int button);  // message boxes
    // Delivers a message as the platform would (no user checks).
    void send(unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

    ui::Window& raw() const;

private:
    const ui::headless::Control& control(int id) const;
    void requireInteractive(int id) const;
    // Runs `work` on the program's thread against this window, if it is still open.
    void actOnWindow(std::function<void(HeadlessBackend&, ui::Window&)> work);
    Instance* m_inst;
    std::uint64_t m_serial;
};

// One running program on the machine.
class Instance {
public:
    Instance(const ui::headless::ResourceSet& resources, std::function<void()> main);
    ~Instance();
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    HeadlessBackend& backend() { return m_backend; }
    bool finished() const { return m_scheduler.finished(); }
    // Runs `work` on the program's thread, then lets the program run until it
    // waits for input at the current virtual time.
    void act(std::function<void(HeadlessBackend&)> work);
    void runUntil(std::uint64_t limit);

private:
    void rethrow();
    ui::headless::Scheduler m_scheduler;
    HeadlessBackend m_backend;
    std::exception_ptr m_error;
    std::thread m_thread;
};

struct MenuEntry {
    unsigned id = 0;
    std::string text;
    bool isDefault = false;
};

class Harness {
public:
    Harness();
    virtual ~Harness();
    // Tears down every running instance (they unwind as if their windows were destroyed).
    void stopAll() { m_instances.clear(); }

    os::headless::Machine& machine() { return *m_machine; }

    // Starts a program instance; the first one is the one the view helpers drive.
    Instance& start(std::function<void()> main);
    // Starts the real application (CreateApplication + RunApplication).
    Instance& startApp();
    Instance& primary();

    void advance(std::chrono::milliseconds d);
    std::uint64_t now() const { return m_machine->now(); }

    // Windows of the primary instance, top first; message boxes included.
    std::vector<WindowView> windows();
    WindowView top();
    WindowView window(int templateId);
    bool has(int templateId);
    std::optional<WindowView> messageBox();

    std::vector<ui::TrayIconRecord> trayIcons();
    void trayMouse(unsigned mouseMessage, std::uint32_t iconId = 1);
    void restartTaskbar();
    std::optional<std::vector<MenuEntry>> popupMenu();
    void chooseMenu(unsigned command);
    void dismissMenu();

    // Files in the program directory (C:\ZEV) on the simulated machine.
    std::filesystem::path host(const std::string& windowsPath) const { return m_machine->hostPath(windowsPath); }
    std::optional<std::string> readFile(const std::string& windowsPath) const;
    void writeFile(const std::string& windowsPath, const std::string& content) const;
    void removeFile(const std::string& windowsPath) const;

private:
    std::filesystem::path m_root;
    std::unique_ptr<os::headless::Machine> m_machine;
    ui::headless::ResourceSet m_resources;
    std::vector<std::unique_ptr<Instance>> m_instances;
};

}  // namespace ui::headless
