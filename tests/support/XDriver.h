#pragma once
// Drives a program on an X display as a person would, through the XTest
// extension: find its window by title, give it the focus, press keys.
// The X libraries are opened at run time, so the test builds without them.

#include <dlfcn.h>

#include <chrono>
#include <cstring>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace dvx::test {

class XDriver final {
public:
    explicit XDriver(const std::string& display) {
        x11_ = ::dlopen("libX11.so.6", RTLD_NOW);
        xtst_ = ::dlopen("libXtst.so.6", RTLD_NOW);
        if (x11_ == nullptr || xtst_ == nullptr) {
            return;
        }
        load(x11_, "XOpenDisplay", openDisplay_);
        load(x11_, "XCloseDisplay", closeDisplay_);
        load(x11_, "XDefaultRootWindow", rootWindow_);
        load(x11_, "XQueryTree", queryTree_);
        load(x11_, "XFetchName", fetchName_);
        load(x11_, "XFree", free_);
        load(x11_, "XStringToKeysym", stringToKeysym_);
        load(x11_, "XKeysymToKeycode", keysymToKeycode_);
        load(x11_, "XSetInputFocus", setInputFocus_);
        load(x11_, "XSync", sync_);
        load(xtst_, "XTestFakeKeyEvent", fakeKey_);
        if (openDisplay_ != nullptr) {
            display_ = openDisplay_(display.c_str());
        }
    }
    ~XDriver() {
        if (display_ != nullptr) {
            closeDisplay_(display_);
        }
        for (void* lib : {xtst_, x11_}) {
            if (lib != nullptr) {
                ::dlclose(lib);
            }
        }
    }
    XDriver(const XDriver&) = delete;
    XDriver& operator=(const XDriver&) = delete;

    bool ready() const { return display_ != nullptr && fakeKey_ != nullptr; }

    // The topmost window whose title starts with prefix, or 0.
    unsigned long findWindow(std::string_view prefix) {
        std::vector<unsigned long> found;
        search(rootWindow_(display_), prefix, 0, found);
        return found.empty() ? 0 : found.back();
    }

    // Waits up to timeout until count windows carry a title starting with
    // prefix (a question box titled like its window, for one).
    bool waitForWindows(std::string_view prefix, std::size_t count,
                        std::chrono::milliseconds timeout) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < end) {
            std::vector<unsigned long> found;
            search(rootWindow_(display_), prefix, 0, found);
            if (found.size() >= count) {
                pause();
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    // Waits up to timeout for such a window and gives it the keyboard.
    bool focusWindow(std::string_view prefix, std::chrono::milliseconds timeout) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < end) {
            if (const auto window = findWindow(prefix)) {
                setInputFocus_(display_, window, /*RevertToParent*/ 2, /*CurrentTime*/ 0);
                sync_(display_, 0);
                pause();
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    // Presses a key given by its keysym name ("space", "Right", "a"), with
    // the modifiers given by their keysym names held.
    void key(const char* name, std::initializer_list<const char*> modifiers = {}) {
        for (const char* m : modifiers) {
            send(m, true);
        }
        send(name, true);
        send(name, false);
        for (const char* m : modifiers) {
            send(m, false);
        }
        sync_(display_, 0);
        pause();
    }

    // Types digits, lower-case letters and the characters of a path.
    void type(std::string_view text) {
        for (const char c : text) {
            const char single[2] = {c, 0};
            const char* name = c == '/'   ? "slash"
                               : c == '.' ? "period"
                               : c == '-' ? "minus"
                                          : single;
            key(name);
        }
    }

    static void pause() { std::this_thread::sleep_for(std::chrono::milliseconds(150)); }

private:
    using Display = void;
    template <class F> static void load(void* lib, const char* name, F& fn) {
        fn = reinterpret_cast<F>(::dlsym(lib, name));
    }

    void send(const char* name, bool press) {
        const auto keysym = stringToKeysym_(name);
        const auto code = keysymToKeycode_(display_, keysym);
        fakeKey_(display_, code, press ? 1 : 0, 0);
    }

    // Collects the windows under window, bottom to top, whose title
    // starts with prefix.
    void search(unsigned long window, std::string_view prefix, int depth,
                std::vector<unsigned long>& found) {
        char* name = nullptr;
        if (fetchName_(display_, window, &name) != 0 && name != nullptr) {
            if (std::string_view(name).substr(0, prefix.size()) == prefix) {
                found.push_back(window);
            }
            free_(name);
        }
        if (depth > 2) {
            return;
        }
        unsigned long root = 0;
        unsigned long parent = 0;
        unsigned long* children = nullptr;
        unsigned int count = 0;
        if (queryTree_(display_, window, &root, &parent, &children, &count) != 0) {
            for (unsigned int i = 0; i < count; ++i) {
                search(children[i], prefix, depth + 1, found);
            }
            if (children != nullptr) {
                free_(children);
            }
        }
    }

    void* x11_ = nullptr;
    void* xtst_ = nullptr;
    Display* display_ = nullptr;
    Display* (*openDisplay_)(const char*) = nullptr;
    int (*closeDisplay_)(Display*) = nullptr;
    unsigned long (*rootWindow_)(Display*) = nullptr;
    int (*queryTree_)(Display*, unsigned long, unsigned long*, unsigned long*, unsigned long**,
                      unsigned int*) = nullptr;
    int (*fetchName_)(Display*, unsigned long, char**) = nullptr;
    int (*free_)(void*) = nullptr;
    unsigned long (*stringToKeysym_)(const char*) = nullptr;
    unsigned char (*keysymToKeycode_)(Display*, unsigned long) = nullptr;
    int (*setInputFocus_)(Display*, unsigned long, int, unsigned long) = nullptr;
    int (*sync_)(Display*, int) = nullptr;
    int (*fakeKey_)(Display*, unsigned int, int, unsigned long) = nullptr;
};

} // namespace dvx::test
