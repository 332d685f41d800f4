#pragma once
// Receives the WebBrowser control's DWebBrowserEvents2 and passes DownloadComplete on.

#include <oaidl.h>

#include <functional>

#include "platform/com_ptr.h"

namespace platform {

class WebBrowserEventSink final : public IDispatch {
public:
    // A new sink that calls `onDownloadComplete` for every DownloadComplete; null without memory.
    static ComPtr<WebBrowserEventSink> create(std::function<void()> onDownloadComplete) noexcept;

    // The receiver is going away: later events reach nobody, even one that is being delivered
    // while this is called.
    void detach() noexcept { onDownloadComplete_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override;
    ULONG STDMETHODCALLTYPE Release() noexcept override;

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale,
                                          ITypeInfo** info) noexcept override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) noexcept override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) noexcept override;

private:
    explicit WebBrowserEventSink(std::function<void()> onDownloadComplete) noexcept
        : onDownloadComplete_(std::move(onDownloadComplete))
    {
    }
    ~WebBrowserEventSink() = default;

    ULONG references_ = 1;
    std::function<void()> onDownloadComplete_;
};

} // namespace platform
