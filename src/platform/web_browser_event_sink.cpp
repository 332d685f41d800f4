#include "platform/web_browser_event_sink.h"

#include <exdisp.h>
#include <exdispid.h>

#include <new>

namespace platform {

ComPtr<WebBrowserEventSink>
WebBrowserEventSink::create(std::function<void()> onDownloadComplete) noexcept
{
    return ComPtr<WebBrowserEventSink>::adopt(
        new (std::nothrow) WebBrowserEventSink(std::move(onDownloadComplete)));
}

HRESULT STDMETHODCALLTYPE WebBrowserEventSink::QueryInterface(REFIID iid, void** object) noexcept
{
    if (!object) {
        return E_POINTER;
    }
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE WebBrowserEventSink::AddRef() noexcept
{
    return ++references_;
}

ULONG STDMETHODCALLTYPE WebBrowserEventSink::Release() noexcept
{
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT STDMETHODCALLTYPE WebBrowserEventSink::GetTypeInfoCount(UINT* count) noexcept
{
    if (!count) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE WebBrowserEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept
{
    if (info) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE WebBrowserEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID,
                                                             DISPID*) noexcept
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE WebBrowserEventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*,
                                                      VARIANT*, EXCEPINFO*, UINT*) noexcept
{
    if (id != DISPID_DOWNLOADCOMPLETE) {
        return S_OK;
    }
    // The receiver may unadvise and drop this sink from inside the call: keep it alive until
    // the call returns, and call a copy so that detach() cannot pull the target away mid-call.
    AddRef();
    const ComPtr<WebBrowserEventSink> keepAlive = ComPtr<WebBrowserEventSink>::adopt(this);
    try {
        const std::function<void()> target = onDownloadComplete_;
        if (target) {
            target();
        }
    } catch (...) {
        // Nothing of the receiver's may unwind into the control.
    }
    return S_OK;
}

} // namespace platform
