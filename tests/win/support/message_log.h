#pragma once
// Message-sequence checking: hooks record the messages sent to the windows
// and the focus changes, in order; a test compares the record with an
// expected table and prints both side by side when they differ.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

struct LoggedMessage {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// One row of an expected sequence. An optional row may be missing from the
// record; wParam is compared only when checkWParam is set.
struct ExpectedMessage {
    const char* window;
    UINT message;
    bool checkWParam = false;
    WPARAM wParam = 0;
    bool optional = false;
};

// Hook-based recorder for the calling thread. Only one may be active.
class MessageLog {
public:
    MessageLog()
    {
        active() = this;
        callHook_ =
            SetWindowsHookExA(WH_CALLWNDPROC, &MessageLog::callHook, nullptr, GetCurrentThreadId());
        cbtHook_ = SetWindowsHookExA(WH_CBT, &MessageLog::cbtHook, nullptr, GetCurrentThreadId());
    }
    ~MessageLog()
    {
        stop();
        active() = nullptr;
    }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    void stop()
    {
        if (callHook_) {
            UnhookWindowsHookEx(callHook_);
            callHook_ = nullptr;
        }
        if (cbtHook_) {
            UnhookWindowsHookEx(cbtHook_);
            cbtHook_ = nullptr;
        }
    }

    const std::vector<LoggedMessage>& messages() const { return messages_; }

    // HCBT_SETFOCUS is logged as this pseudo-message, with the window
    // gaining the focus as hwnd.
    static constexpr UINT kFocusChange = 0x10000 + HCBT_SETFOCUS;

private:
    static MessageLog*& active()
    {
        static MessageLog* log = nullptr;
        return log;
    }

    static LRESULT CALLBACK callHook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HC_ACTION && active()) {
            const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
            active()->messages_.push_back({sent->hwnd, sent->message, sent->wParam, sent->lParam});
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static LRESULT CALLBACK cbtHook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_SETFOCUS && active()) {
            active()->messages_.push_back(
                {reinterpret_cast<HWND>(wParam), kFocusChange, 0, lParam});
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK callHook_ = nullptr;
    HHOOK cbtHook_ = nullptr;
    std::vector<LoggedMessage> messages_;
};

struct NamedWindow {
    const char* name;
    HWND hwnd;
};

inline std::string messageName(UINT message)
{
    switch (message) {
    case WM_SETTEXT:
        return "WM_SETTEXT";
    case WM_SETFOCUS:
        return "WM_SETFOCUS";
    case WM_KILLFOCUS:
        return "WM_KILLFOCUS";
    case WM_COMMAND:
        return "WM_COMMAND";
    case WM_SIZE:
        return "WM_SIZE";
    case WM_SHOWWINDOW:
        return "WM_SHOWWINDOW";
    case WM_WINDOWPOSCHANGED:
        return "WM_WINDOWPOSCHANGED";
    case LB_RESETCONTENT:
        return "LB_RESETCONTENT";
    case LB_ADDSTRING:
        return "LB_ADDSTRING";
    case MessageLog::kFocusChange:
        return "HCBT_SETFOCUS";
    default: {
        char text[16];
        std::snprintf(text, sizeof text, "0x%04X", message);
        return text;
    }
    }
}

// Keeps the record's messages of the given kinds to the named windows, with
// each window's name.
inline std::vector<std::pair<std::string, LoggedMessage>>
filterLog(const std::vector<LoggedMessage>& log, const std::vector<NamedWindow>& windows,
          const std::vector<UINT>& kinds)
{
    std::vector<std::pair<std::string, LoggedMessage>> kept;
    for (const LoggedMessage& message : log) {
        if (std::find(kinds.begin(), kinds.end(), message.message) == kinds.end()) {
            continue;
        }
        for (const NamedWindow& window : windows) {
            if (window.hwnd == message.hwnd) {
                kept.emplace_back(window.name, message);
                break;
            }
        }
    }
    return kept;
}

// Compares the filtered record with the expected rows; on a difference
// gives a side-by-side listing of both, else an empty text.
inline std::string compareSequence(const std::vector<std::pair<std::string, LoggedMessage>>& actual,
                                   const std::vector<ExpectedMessage>& expected)
{
    size_t a = 0;
    size_t e = 0;
    bool same = true;
    while (e < expected.size()) {
        const ExpectedMessage& want = expected[e];
        const bool matches = a < actual.size() && actual[a].first == want.window &&
                             actual[a].second.message == want.message &&
                             (!want.checkWParam || actual[a].second.wParam == want.wParam);
        if (matches) {
            ++a;
            ++e;
        } else if (want.optional) {
            ++e;
        } else {
            same = false;
            break;
        }
    }
    if (same && a == actual.size()) {
        return {};
    }
    std::ostringstream out;
    out << "message sequence differs\n";
    char line[160];
    std::snprintf(line, sizeof line, "  %-40s | %s\n", "expected", "actual");
    out << line;
    const size_t rows = std::max(expected.size(), actual.size());
    for (size_t i = 0; i < rows; ++i) {
        std::string left;
        std::string right;
        if (i < expected.size()) {
            left = std::string(expected[i].window) + " " + messageName(expected[i].message);
            if (expected[i].checkWParam) {
                left += " w=" + std::to_string(expected[i].wParam);
            }
            if (expected[i].optional) {
                left += " (optional)";
            }
        }
        if (i < actual.size()) {
            right = actual[i].first + " " + messageName(actual[i].second.message) +
                    " w=" + std::to_string(actual[i].second.wParam);
        }
        std::snprintf(line, sizeof line, "%s %-40s | %s\n", i == e || i == a ? ">" : " ",
                      left.c_str(), right.c_str());
        out << line;
    }
    return out.str();
}

} // namespace testsupport
