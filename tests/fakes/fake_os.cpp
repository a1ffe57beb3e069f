#include "fake_os.h"

#include <algorithm>
#include <utility>
#include <cstdio>
#include <stdexcept>

namespace fake {
namespace {

std::unique_ptr<Os> current = std::make_unique<Os>();

std::string MessageName(std::uint32_t message) {
    static const std::map<std::uint32_t, std::string> names = {
        {os::msg::kSetText, "WM_SETTEXT"},         {os::msg::kClose, "WM_CLOSE"},
        {os::msg::kContextMenu, "WM_CONTEXTMENU"}, {os::msg::kKeyDown, "WM_KEYDOWN"},
        {os::msg::kKeyUp, "WM_KEYUP"},             {os::msg::kChar, "WM_CHAR"},
        {os::msg::kSysKeyDown, "WM_SYSKEYDOWN"},   {os::msg::kSysKeyUp, "WM_SYSKEYUP"},
        {os::msg::kMouseMove, "WM_MOUSEMOVE"},     {os::msg::kLButtonDown, "WM_LBUTTONDOWN"},
        {os::msg::kLButtonUp, "WM_LBUTTONUP"},     {os::msg::kLButtonDblClk, "WM_LBUTTONDBLCLK"},
        {os::msg::kRButtonDown, "WM_RBUTTONDOWN"}, {os::msg::kRButtonUp, "WM_RBUTTONUP"},
        {os::msg::kRButtonDblClk, "WM_RBUTTONDBLCLK"}, {os::msg::kMButtonDown, "WM_MBUTTONDOWN"},
        {os::msg::kMButtonUp, "WM_MBUTTONUP"},     {os::msg::kMButtonDblClk, "WM_MBUTTONDBLCLK"},
        {os::msg::kMouseWheel, "WM_MOUSEWHEEL"},   {os::msg::kHotkey, "WM_HOTKEY"},
    };
    auto it = names.find(message);
    if (it != names.end()) return it->second;
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%04X", static_cast<unsigned>(message));
    return hex;
}

std::string Hex(std::uint32_t value) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(value));
    return hex;
}

Window* Live(os::Hwnd handle) {
    Os& fake = TheOs();
    if (!handle) return nullptr;
    if (handle == fake.desktop()) return fake.desktop_.get();
    for (auto* list : {&fake.top, &fake.children})
        for (auto& w : *list)
            if (Os::Handle(w.get()) == handle) return w->alive ? w.get() : nullptr;
    return nullptr;
}

}  // namespace

Os& TheOs() { return *current; }
void Reset() { current = std::make_unique<Os>(); }

os::Hwnd Os::AddTopWindow(const std::string& name, const std::string& className, const std::string& title,
                          os::Point clientOrigin) {
    top.push_back(std::make_unique<Window>(
        Window{.name = name, .className = className, .title = title, .clientOrigin = clientOrigin}));
    return Handle(top.back().get());
}

os::Hwnd Os::AddChild(os::Hwnd parent, int id, const std::string& name, os::Point clientOrigin) {
    children.push_back(std::make_unique<Window>(
        Window{.name = name, .id = id, .parent = &Get(parent), .clientOrigin = clientOrigin}));
    return Handle(children.back().get());
}

Window& Os::Get(os::Hwnd window) {
    for (auto* list : {&top, &children})
        for (auto& w : *list)
            if (Handle(w.get()) == window) return *w;
    if (window == desktop()) return *desktop_;
    throw std::logic_error("fake::Os::Get: not a window of the fake desktop");
}

void Os::Destroy(os::Hwnd window) {
    Window& w = Get(window);
    w.alive = false;
    for (auto& child : children)
        if (child->parent == &w && child->alive) Destroy(Handle(child.get()));
}

std::string Os::NameOf(os::Hwnd window) const {
    if (!window) return "null";
    if (window == const_cast<Os*>(this)->desktop()) return "desktop";
    for (auto* list : {&top, &children})
        for (auto& w : *list)
            if (Handle(w.get()) == window) return w->name;
    return "unknown";
}

void Os::At(std::uint32_t tick, std::function<void()> action) { events.emplace(tick, std::move(action)); }

void Os::Post(std::uint32_t id, std::function<void()> handle) { queue.push_back({id, std::move(handle)}); }

void Os::RunEventsUpTo(std::uint32_t tick) {
    while (!events.empty() && events.begin()->first <= tick) {
        auto node = events.extract(events.begin());
        now = std::max(now, node.key());
        node.mapped()();
    }
    now = std::max(now, tick);
}

std::vector<std::string> Os::Lines(std::initializer_list<std::string> words) const {
    std::vector<std::string> out;
    for (const auto& line : log)
        for (const auto& word : words)
            if (line.compare(0, word.size() + 1, word + " ") == 0 || line == word) {
                out.push_back(line);
                break;
            }
    return out;
}

}  // namespace fake

namespace os {
using fake::TheOs;

Hwnd FindWindowEx(Hwnd parent, Hwnd childAfter, const char* className, const char* title) {
    auto& fake = TheOs();
    if (parent || childAfter) throw std::logic_error("fake FindWindowEx: only top-level first-match searches");
    for (auto& w : fake.top) {
        if (!w->alive) continue;
        if (className && w->className != className) continue;
        if (title && w->title != title) continue;
        return fake::Os::Handle(w.get());
    }
    return nullptr;
}

Hwnd GetDlgItem(Hwnd window, int id) {
    auto* parent = fake::Live(window);
    if (!parent) return nullptr;
    for (auto& w : TheOs().children)
        if (w->alive && w->parent == parent && w->id == id) return fake::Os::Handle(w.get());
    return nullptr;
}

Hwnd GetDesktopWindow() { return TheOs().desktop(); }
bool IsWindow(Hwnd window) { return fake::Live(window) != nullptr; }

bool PostMessage(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
    auto& fake = TheOs();
    fake.log.push_back("post " + fake.NameOf(window) + " " + fake::MessageName(message) + " " +
                       std::to_string(wParam) + " " + std::to_string(lParam));
    return fake::Live(window) != nullptr;
}

LResult SendMessage(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
    auto& fake = TheOs();
    fake.log.push_back("send " + fake.NameOf(window) + " " + fake::MessageName(message) + " " +
                       std::to_string(wParam) + " " + std::to_string(lParam));
    auto* w = fake::Live(window);
    return w && w->onSend ? w->onSend(message, wParam, lParam) : 0;
}

bool SendMessageTimeout(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam, std::uint32_t timeoutMs) {
    auto& fake = TheOs();
    fake.log.push_back("send " + fake.NameOf(window) + " " + fake::MessageName(message) + " " +
                       std::to_string(wParam) + " " + std::to_string(lParam));
    auto* w = fake::Live(window);
    if (!w) return false;
    if (fake.sendHangs) {
        fake.RunEventsUpTo(fake.now + timeoutMs);
        return false;
    }
    if (w->onSend) w->onSend(message, wParam, lParam);
    return true;
}

bool SendTextTimeout(Hwnd window, const char* text, std::uint32_t timeoutMs) {
    auto& fake = TheOs();
    std::string shown = text ? "\"" + std::string(text) + "\"" : "null";
    fake.log.push_back("settext " + fake.NameOf(window) + " " + shown);
    auto* w = fake::Live(window);
    if (!w) return false;
    if (fake.sendTextHangs) {
        fake.RunEventsUpTo(fake.now + timeoutMs);
        return false;
    }
    w->texts.push_back(text ? text : "null");
    return true;
}

bool ClientToScreen(Hwnd window, Point& point) {
    auto* w = fake::Live(window);
    if (!w) return false;
    point.x += w->clientOrigin.x;
    point.y += w->clientOrigin.y;
    return true;
}

bool SetWindowText(Hwnd window, std::string_view text) {
    auto& fake = TheOs();
    fake.log.push_back("caption " + fake.NameOf(window) + " \"" + std::string(text) + "\"");
    auto* w = fake::Live(window);
    if (!w) return false;
    w->title = std::string(text);
    return true;
}

bool SetCursorPos(Point point) {
    auto& fake = TheOs();
    fake.cursor = point;
    fake.log.push_back("cursor " + std::to_string(point.x) + " " + std::to_string(point.y));
    return true;
}

bool GetCursorPos(Point& point) {
    point = TheOs().cursor;
    return true;
}

void MouseEvent(std::uint32_t flags) { TheOs().log.push_back("mouse " + fake::Hex(flags)); }
std::uint32_t GetDoubleClickTime() { return TheOs().doubleClickTime; }
std::uint32_t GetTickCount() { return TheOs().now; }

std::uintptr_t SetTimer(Hwnd window, std::uintptr_t id, std::uint32_t periodMs, TimerProc) {
    auto& fake = TheOs();
    fake.log.push_back("settimer " + fake.NameOf(window) + " " + std::to_string(id) + " " +
                       std::to_string(periodMs));
    fake.timers[{window, id}] = periodMs;
    return id;
}

Handle CreateWaitableTimer() {
    auto& fake = TheOs();
    fake.log.push_back("timer create");
    if (fake.failWaitableTimer) return nullptr;
    auto handle = reinterpret_cast<Handle>(fake.nextHandle++);
    fake.waitableTimers[handle] = {};
    return handle;
}

bool SetWaitableTimer(Handle timer, std::int64_t dueTime100ns) {
    auto& fake = TheOs();
    fake.log.push_back("timer set " + std::to_string(dueTime100ns));
    auto it = fake.waitableTimers.find(timer);
    if (fake.failSetWaitableTimer || it == fake.waitableTimers.end()) return false;
    // Zero or above is an absolute time long past: signalled at once.
    std::int64_t ms = dueTime100ns >= 0 ? 0 : -dueTime100ns / 10000;
    it->second = {true, fake.now + static_cast<std::uint32_t>(ms)};
    return true;
}

void CloseHandle(Handle handle) {
    auto& fake = TheOs();
    fake.log.push_back("timer close");
    fake.waitableTimers.erase(handle);
}

// Wakes for the first of: a queued message, a due timer, the timeout. Scheduled events run as
// the clock passes them and count as input when they queue a message.
std::uint32_t MsgWaitForMultipleObjectsEx(std::uint32_t count, const Handle* handles, std::uint32_t timeoutMs,
                                          std::uint32_t, std::uint32_t) {
    auto& fake = TheOs();
    fake.log.push_back("msgwait " + (timeoutMs == wait::kInfinite ? std::string("infinite")
                                                                   : std::to_string(timeoutMs)));
    if (++fake.msgWaitCount > 1000000) throw std::logic_error("fake MsgWait: endless wait loop");
    // The timeout counts from the call, not from the last event that ran inside the wait.
    const std::uint64_t deadline = timeoutMs == wait::kInfinite ? UINT64_MAX : std::uint64_t{fake.now} + timeoutMs;
    for (;;) {
        if (!fake.queue.empty()) return wait::kObject0 + count;
        std::uint64_t wake = deadline;
        std::uint32_t signalled = count;
        for (std::uint32_t i = 0; i < count; ++i) {
            auto it = fake.waitableTimers.find(handles[i]);
            if (it != fake.waitableTimers.end() && it->second.armed && it->second.dueTick < wake) {
                wake = it->second.dueTick;
                signalled = i;
            }
        }
        if (!fake.events.empty() && fake.events.begin()->first < wake) {
            fake.RunEventsUpTo(fake.events.begin()->first);
            continue;
        }
        if (wake == UINT64_MAX) throw std::logic_error("fake MsgWait: waits for ever with nothing to come");
        fake.RunEventsUpTo(static_cast<std::uint32_t>(wake));
        if (signalled < count) {
            fake.waitableTimers[handles[signalled]].armed = false;  // auto-reset
            return wait::kObject0 + signalled;
        }
        return wait::kTimeout;
    }
}

std::optional<std::uint32_t> PeekMessageId() {
    auto& fake = TheOs();
    if (fake.queue.empty()) return std::nullopt;
    return fake.queue.front().id;
}

void DispatchNextMessage() {
    auto& fake = TheOs();
    if (fake.queue.empty()) return;
    auto message = std::move(fake.queue.front());
    fake.queue.pop_front();
    if (message.handle) message.handle();
}

bool SetProcessWorkingSetSize(std::intptr_t minimum, std::intptr_t maximum) {
    TheOs().log.push_back("workingset " + std::to_string(minimum) + " " + std::to_string(maximum));
    return true;
}

void MessageBeep() { TheOs().log.push_back("beep"); }

bool RegisterHotKey(Hwnd window, int id, std::uint32_t modifiers, std::uint32_t virtualKey) {
    auto& fake = TheOs();
    fake.log.push_back("hotkey " + fake.NameOf(window) + " " + std::to_string(id) + " " +
                       std::to_string(modifiers) + " " + fake::Hex(virtualKey));
    if (fake.refusedHotkeys.count(virtualKey) || fake.hotkeys.count({window, id})) return false;
    fake.hotkeys[{window, id}] = virtualKey;
    return true;
}

bool UnregisterHotKey(Hwnd window, int id) {
    auto& fake = TheOs();
    fake.log.push_back("unhotkey " + fake.NameOf(window) + " " + std::to_string(id));
    return fake.hotkeys.erase({window, id}) > 0;
}

WndProc SetWindowProc(Hwnd window, WndProc proc) {
    auto& fake = TheOs();
    fake.log.push_back("wndproc " + fake.NameOf(window));
    auto* w = fake::Live(window);
    if (!w) return nullptr;
    return std::exchange(w->proc, proc);
}

LResult CallWindowProc(WndProc proc, Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
    return proc ? proc(window, message, wParam, lParam) : 0;
}

int MessageBox(std::string_view text, std::string_view caption, std::uint32_t type) {
    auto& fake = TheOs();
    fake.log.push_back("box \"" + std::string(text) + "\" \"" + std::string(caption) + "\" " + fake::Hex(type));
    if (fake.onBox) fake.onBox(std::string(text));
    if (!fake.boxAnswers.empty()) {
        int answer = fake.boxAnswers.front();
        fake.boxAnswers.pop_front();
        return answer;
    }
    return (type & 0xF) == box::kYesNo ? box::kIdYes : box::kIdOk;
}

void ShellOpen(std::string_view address) { TheOs().log.push_back("open " + std::string(address)); }

std::optional<std::string> ReadWholeFile(const std::string& path) {
    auto& files = TheOs().files;
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
    auto& fake = TheOs();
    if (fake.failWrites) return false;
    fake.files[path] = std::string(bytes);
    return true;
}

std::string ReadIniValue(const std::string& path, const char* section, const char* key, std::uint32_t bufferSize) {
    auto& ini = TheOs().ini;
    auto it = ini.find(path + "|" + section + "|" + key);
    if (it == ini.end() || bufferSize == 0) return {};
    return it->second.substr(0, bufferSize - 1);
}

std::string ModulePath() { return TheOs().modulePath; }
bool SetCurrentDirectory(const std::string& path) {
    TheOs().log.push_back("cd " + path);
    return true;
}

}  // namespace os
