#pragma once
// A scripted desktop and a virtual tick clock behind the os:: calls. Every call with an effect
// outside the program appends one line to `log`, so a test compares whole sequences:
//   post <window> <message> <wParam> <lParam>     send <window> <message> <wParam> <lParam>
//   settext <window> "<text>" | settext <window> null
//   cursor <x> <y>     mouse <flags hex>     settimer <window> <id> <period>
//   timer create | timer set <due> | timer close     msgwait <timeout>
//   hotkey <window> <id> <modifiers> <vk>     unhotkey <window> <id>     wndproc <window>
//   box "<text>" "<caption>" <type hex>     open <address>     workingset <min> <max>     beep
//   cd <path>
//   caption <window> "<text>"
// Windows are named by the test; an unknown or null handle logs as "null".
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "runtime/os.h"

namespace fake {

struct Window {
    std::string name;
    std::string className;
    std::string title;
    int id = 0;
    Window* parent = nullptr;
    os::Point clientOrigin;  // screen position of the client area's origin
    bool alive = true;
    os::WndProc proc = nullptr;
    // What a sent message returns; also where a test makes a window react (close itself, hang).
    std::function<os::LResult(std::uint32_t, os::WParam, os::LParam)> onSend;
    // What the window received by SendTextTimeout (GBK), in order; "null" for a null text.
    std::vector<std::string> texts;
};

struct QueuedMessage {
    std::uint32_t id;
    std::function<void()> handle;  // run when the message is dispatched
};

class Os {
public:
    std::vector<std::string> log;

    // Desktop: top-level windows in z-order, first is topmost.
    os::Hwnd AddTopWindow(const std::string& name, const std::string& className, const std::string& title,
                          os::Point clientOrigin = {});
    os::Hwnd AddChild(os::Hwnd parent, int id, const std::string& name, os::Point clientOrigin = {});
    void Destroy(os::Hwnd window);  // the window and its children stop existing
    Window& Get(os::Hwnd window);
    os::Hwnd desktop() { return Handle(desktop_.get()); }

    // Virtual clock: GetTickCount reads `now`; waits advance it. Events run when the clock reaches them.
    std::uint32_t now = 1000;
    void At(std::uint32_t tick, std::function<void()> action);
    std::uint32_t msgWaitCount = 0;

    // The thread's message queue.
    std::deque<QueuedMessage> queue;
    void Post(std::uint32_t id, std::function<void()> handle = {});

    os::Point cursor;
    std::uint32_t doubleClickTime = 500;
    bool failWaitableTimer = false;   // CreateWaitableTimer gives null
    bool failSetWaitableTimer = false;
    bool sendTextHangs = false;      // SendTextTimeout gives up and returns false after its bound
    bool sendHangs = false;          // SendMessageTimeout gives up and returns false after its bound

    std::set<std::uint32_t> refusedHotkeys;  // virtual keys another program holds
    std::map<std::pair<os::Hwnd, int>, std::uint32_t> hotkeys;  // registered (window, id) -> key
    std::map<std::pair<os::Hwnd, std::uintptr_t>, std::uint32_t> timers;  // (window, id) -> period

    // Message boxes: answers given in order; kIdOk (or kIdYes for Yes/No) when none is left.
    std::deque<int> boxAnswers;
    std::function<void(const std::string& text)> onBox;  // runs while the box is "open"

    std::map<std::string, std::string> files;  // path -> bytes
    bool failWrites = false;
    std::map<std::string, std::string> ini;  // "path|section|key" -> value
    std::string modulePath = "C:\\Tools\\Quorvane.exe";

    // Log lines that begin with one of the given words, in order.
    std::vector<std::string> Lines(std::initializer_list<std::string> words) const;

    std::string NameOf(os::Hwnd window) const;
    static os::Hwnd Handle(Window* window) { return reinterpret_cast<os::Hwnd>(window); }

    // Internals used by the os:: bodies.
    struct Timer {
        bool armed = false;
        std::uint32_t dueTick = 0;
    };
    std::map<os::Handle, Timer> waitableTimers;
    std::uintptr_t nextHandle = 0x100;
    std::vector<std::unique_ptr<Window>> top;       // z-order
    std::vector<std::unique_ptr<Window>> children;  // all child windows
    std::unique_ptr<Window> desktop_ = std::make_unique<Window>(Window{.name = "desktop"});
    std::multimap<std::uint32_t, std::function<void()>> events;
    void RunEventsUpTo(std::uint32_t tick);
};

// The fake of the running test; Reset() makes a fresh one.
Os& TheOs();
void Reset();

}  // namespace fake
