#pragma once
// OLE for the calling thread, from construction to destruction.

#include <ole2.h>

namespace platform {

class OleSession {
public:
    OleSession() : initialised_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession()
    {
        if (initialised_) {
            OleUninitialize();
        }
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

private:
    bool initialised_;
};

} // namespace platform
