#include "harness/lockstep_harness.h"

#include <unistd.h>
#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "ui/app.h"

namespace ui::headless {

namespace {

std::filesystem::path makeTempRoot() {
    static std::atomic<int> counter{0};
    const auto base = std::filesystem::temp_directory_path() /
                      ("zevtest-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(base);
    std::filesystem::create_directories(base);
    return base;
}

[[noreturn]] void fail(const std::string& what) { throw std::logic_error(what); }

void requireWindowInput(const ui::Window& w) {
    if (!w.visible) fail("window " + std::to_string(w.templateId) + " is not visible");
    if (!w.enabled) fail("window " + std::to_string(w.templateId) + " is disabled (a modal window is open over it)");
}

}  // namespace

// ---------------------------------------------------------------- Instance

Instance::Instance(const ResourceSet& resources, std::function<void()> main) : m_backend(resources, m_scheduler) {
    m_thread = std::thread([this, main = std::move(main)] {
        ui::setBackend(&m_backend);
        try {
            main();
        } catch (const RunAborted&) {
        } catch (...) {
            m_error = std::current_exception();
        }
        m_scheduler.finish();
    });
    m_scheduler.waitForApp();
    rethrow();
}

Instance::~Instance() {
    m_scheduler.abort();
    if (m_thread.joinable()) m_thread.join();
}

void Instance::rethrow() {
    if (m_error) {
        auto e = m_error;
        m_error = nullptr;
        std::rethrow_exception(e);
    }
}

void Instance::runUntil(std::uint64_t limit) {
    if (finished()) return;
    m_backend.setTimeLimit(limit);
    m_scheduler.resume();
    rethrow();
}

void Instance::act(std::function<void(HeadlessBackend&)> work) {
    if (finished()) fail("the program has already ended");
    m_backend.post([this, work = std::move(work)] { work(m_backend); });
    runUntil(os::headless::machine().now());
}

// ---------------------------------------------------------------- WindowView

ui::Window& WindowView::raw() const {
    ui::Window* w = m_inst->backend().findBySerial(m_serial);
    if (!w) fail("the window is no longer open");
    return *w;
}

bool WindowView::open() const { return m_inst->backend().findBySerial(m_serial) != nullptr; }
int WindowView::templateId() const { return raw().templateId; }
std::string WindowView::caption() const { return raw().caption; }
bool WindowView::visible() const { return raw().visible; }
bool WindowView::iconic() const { return raw().iconic; }
bool WindowView::isMessageBox() const { return raw().kind == WindowKind::MessageBox; }
std::string WindowView::messageText() const { return raw().text; }
unsigned WindowView::messageType() const { return raw().type; }

const Control& WindowView::control(int id) const {
    const Control* c = raw().control(id);
    if (!c) fail("window " + std::to_string(templateId()) + " has no control " + std::to_string(id));
    return *c;
}

std::string WindowView::text(int id) const { return control(id).text; }
std::vector<std::string> WindowView::textHistory(int id) const { return control(id).textHistory; }
int WindowView::checked(int id) const { return control(id).check; }
bool WindowView::itemEnabled(int id) const { return control(id).enabled; }
bool WindowView::itemVisible(int id) const { return control(id).visible; }
int WindowView::spinPos(int id) const { return control(id).pos; }
std::pair<int, int> WindowView::range(int id) const { return {control(id).lo, control(id).hi}; }
std::vector<std::string> WindowView::comboItems(int id) const { return control(id).items; }
int WindowView::picture(int id) const { return control(id).bitmap; }

std::vector<unsigned> WindowView::timers() const {
    std::vector<unsigned> ids;
    for (const auto& t : raw().timers) ids.push_back(t.id);
    return ids;
}

ui::CtlColor WindowView::colour(int id) const {
    ui::Window& w = raw();
    if (!w.dialog) fail("a message box has no colour handler");
    return w.dialog->OnCtlColor(id);
}

void WindowView::requireInteractive(int id) const {
    requireWindowInput(raw());
    const Control& c = control(id);
    if (!c.visible) fail("control " + std::to_string(id) + " is hidden");
    if (!c.enabled) fail("control " + std::to_string(id) + " is disabled");
}

void WindowView::actOnWindow(std::function<void(HeadlessBackend&, ui::Window&)> work) {
    m_inst->act([serial = m_serial, work = std::move(work)](HeadlessBackend& b) {
        if (auto* w = b.findBySerial(serial)) work(b, *w);
    });
}

void WindowView::click(int id) {
    requireInteractive(id);
    actOnWindow([id](HeadlessBackend& b, ui::Window& w) { b.clickControl(w, id); });
}

void WindowView::type(int id, const std::string& text) {
    for (char ch : text) {
        requireInteractive(id);
        actOnWindow([id, ch](HeadlessBackend& b, ui::Window& w) { b.typeChar(w, id, ch); });
        if (!open()) return;
    }
}

void WindowView::choose(int id, int index) {
    requireInteractive(id);
    actOnWindow([id, index](HeadlessBackend& b, ui::Window& w) { b.chooseComboItem(w, id, index); });
}

void WindowView::enter() {
    requireWindowInput(raw());
    actOnWindow([](HeadlessBackend& b, ui::Window& w) { b.pressEnter(w); });
}

void WindowView::escape() {
    requireWindowInput(raw());
    actOnWindow([](HeadlessBackend& b, ui::Window& w) { b.pressEscape(w); });
}

void WindowView::closeBox() { sysCommand(ui::SC_CLOSE); }

void WindowView::sysCommand(unsigned cmd) {
    requireWindowInput(raw());
    actOnWindow([cmd](HeadlessBackend& b, ui::Window& w) { b.sysCommand(w, cmd); });
}

void WindowView::answer(int button) {
    if (!isMessageBox()) fail("not a message box");
    actOnWindow([button](HeadlessBackend& b, ui::Window& w) { b.answerMessageBox(w, button); });
}

void WindowView::send(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    actOnWindow([=](HeadlessBackend& b, ui::Window& w) { b.sendMessage(w, msg, wParam, lParam); });
}

// ---------------------------------------------------------------- Harness

Harness::Harness() : m_root(makeTempRoot()), m_machine(std::make_unique<os::headless::Machine>(m_root)) {
    os::headless::setMachine(m_machine.get());
    m_resources = compiledResources();
    std::filesystem::create_directories(m_machine->hostPath("C:\\ZEV"));
    std::filesystem::create_directories(m_machine->hostPath(m_machine->systemDirectory));
}

Harness::~Harness() {
    m_instances.clear();
    os::headless::setMachine(nullptr);
    std::error_code ec;
    std::filesystem::remove_all(m_root, ec);
}

Instance& Harness::start(std::function<void()> main) {
    m_instances.push_back(std::make_unique<Instance>(m_resources, std::move(main)));
    return *m_instances.back();
}

Instance& Harness::startApp() {
    return start([] {
        auto app = ui::CreateApplication();
        app->m_pszAppName = "ZevStatus";
        ui::RunApplication(*app);
    });
}

Instance& Harness::primary() {
    if (m_instances.empty()) fail("no program has been started");
    return *m_instances.front();
}

void Harness::advance(std::chrono::milliseconds d) {
    const std::uint64_t target = m_machine->now() + static_cast<std::uint64_t>(d.count());
    for (auto& inst : m_instances) inst->runUntil(target);
    if (m_machine->now() < target) m_machine->setNow(target);
}

std::vector<WindowView> Harness::windows() {
    std::vector<WindowView> views;
    const auto& z = primary().backend().windows();
    for (auto it = z.rbegin(); it != z.rend(); ++it) views.emplace_back(primary(), (*it)->serial);
    return views;
}

WindowView Harness::top() {
    auto* w = primary().backend().topWindow();
    if (!w) fail("no window is open");
    return WindowView(primary(), w->serial);
}

WindowView Harness::window(int templateId) {
    for (auto& v : windows())
        if (!v.isMessageBox() && v.templateId() == templateId) return v;
    fail("no open window from template " + std::to_string(templateId));
}

bool Harness::has(int templateId) {
    for (auto& v : windows())
        if (!v.isMessageBox() && v.templateId() == templateId) return true;
    return false;
}

std::optional<WindowView> Harness::messageBox() {
    for (auto& v : windows())
        if (v.isMessageBox()) return v;
    return std::nullopt;
}

std::vector<ui::TrayIconRecord> Harness::trayIcons() {
    std::vector<ui::TrayIconRecord> icons;
    for (const auto& e : primary().backend().trayIcons()) icons.push_back(e.record);
    return icons;
}

void Harness::trayMouse(unsigned mouseMessage, std::uint32_t iconId) {
    auto& b = primary().backend();
    for (const auto& e : b.trayIcons()) {
        if (e.record.iconId != iconId) continue;
        const auto serial = e.ownerSerial;
        const unsigned msg = e.record.callbackMessage;
        primary().act([=](HeadlessBackend& be) {
            if (auto* w = be.findBySerial(serial))
                be.sendMessage(*w, msg, iconId, static_cast<std::intptr_t>(mouseMessage));
        });
        return;
    }
    fail("no notification-area icon with id " + std::to_string(iconId));
}

void Harness::restartTaskbar() {
    auto& b = primary().backend();
    b.clearTrayIcons();
    const unsigned msg = b.registerWindowMessage("TaskbarCreated");
    primary().act([msg](HeadlessBackend& be) {
        // Broadcast to every top-level window, as the shell does.
        const auto z = be.windows();
        for (auto* w : z)
            if (w->kind == WindowKind::Dialog) be.sendMessage(*w, msg, 0, 0);
    });
}

std::optional<std::vector<MenuEntry>> Harness::popupMenu() {
    auto* open = primary().backend().openMenu();
    if (!open) return std::nullopt;
    std::vector<MenuEntry> entries;
    for (const auto& child : open->menu->children) entries.push_back({child->id, child->text, child->isDefault});
    return entries;
}

void Harness::chooseMenu(unsigned command) {
    if (!primary().backend().openMenu()) fail("no pop-up menu is open");
    primary().act([command](HeadlessBackend& b) {
        if (auto* open = b.openMenu()) {
            open->chosen = command;
            open->closed = true;
        }
    });
}

void Harness::dismissMenu() {
    primary().act([](HeadlessBackend& b) {
        if (auto* open = b.openMenu()) open->closed = true;
    });
}

std::optional<std::string> Harness::readFile(const std::string& windowsPath) const {
    std::ifstream in(host(windowsPath), std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Harness::writeFile(const std::string& windowsPath, const std::string& content) const {
    const auto p = host(windowsPath);
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary | std::ios::trunc) << content;
}

void Harness::removeFile(const std::string& windowsPath) const { std::filesystem::remove(host(windowsPath)); }

}  // namespace ui::headless
