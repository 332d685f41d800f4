#include "platform/web_browser_site.h"

#include <new>

namespace platform {

ComPtr<WebBrowserSite> WebBrowserSite::create(HWND host) noexcept
{
    return ComPtr<WebBrowserSite>::adopt(new (std::nothrow) WebBrowserSite(host));
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::QueryInterface(REFIID iid, void** object) noexcept
{
    if (!object) {
        return E_POINTER;
    }
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
        *object = static_cast<IOleClientSite*>(this);
    } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
        *object = static_cast<IOleInPlaceSite*>(this);
    } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
        *object = static_cast<IOleInPlaceFrame*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE WebBrowserSite::AddRef() noexcept
{
    return ++references_;
}

ULONG STDMETHODCALLTYPE WebBrowserSite::Release() noexcept
{
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::SaveObject() noexcept
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) noexcept
{
    if (moniker) {
        *moniker = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::GetContainer(IOleContainer** container) noexcept
{
    if (container) {
        *container = nullptr;
    }
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::ShowObject() noexcept
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::OnShowWindow(BOOL) noexcept
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::RequestNewObjectLayout() noexcept
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::GetWindow(HWND* window) noexcept
{
    if (!window) {
        return E_POINTER;
    }
    *window = host_;
    return host_ ? S_OK : E_FAIL;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::ContextSensitiveHelp(BOOL) noexcept
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::CanInPlaceActivate() noexcept
{
    return host_ ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::OnInPlaceActivate() noexcept
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::OnUIActivate() noexcept
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::GetWindowContext(IOleInPlaceFrame** frame,
                                                           IOleInPlaceUIWindow** document,
                                                           RECT* position, RECT* clip,
                                                           OLEINPLACEFRAMEINFO* frameInfo) noexcept
{
    if (!frame || !document || !position || !clip || !frameInfo) {
        return E_POINTER;
    }
    // The host is both the frame and the document window: the control has no menus or
    // toolbars to negotiate with anyone.
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    RECT area{};
    if (host_) {
        GetClientRect(host_, &area);
    }
    *position = area;
    *clip = area;
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = host_ ? GetAncestor(host_, GA_ROOT) : nullptr;
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::Scroll(SIZE) noexcept
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::OnUIDeactivate(BOOL) noexcept
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::OnInPlaceDeactivate() noexcept
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::DiscardUndoState() noexcept
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::DeactivateAndUndo() noexcept
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::OnPosRectChange(const RECT*) noexcept
{
    // The control's place is the host's client area, set by the host on WM_SIZE.
    return S_OK;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::GetBorder(RECT*) noexcept
{
    return INPLACE_E_NOTOOLSPACE;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::RequestBorderSpace(const BORDERWIDTHS*) noexcept
{
    return INPLACE_E_NOTOOLSPACE;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::SetBorderSpace(const BORDERWIDTHS*) noexcept
{
    return INPLACE_E_NOTOOLSPACE;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::SetActiveObject(IOleInPlaceActiveObject*,
                                                          LPCOLESTR) noexcept
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) noexcept
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::SetMenu(HMENU, HOLEMENU, HWND) noexcept
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::RemoveMenus(HMENU) noexcept
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::SetStatusText(LPCOLESTR) noexcept
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::EnableModeless(BOOL) noexcept
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE WebBrowserSite::TranslateAccelerator(MSG*, WORD) noexcept
{
    return S_FALSE;
}

} // namespace platform
