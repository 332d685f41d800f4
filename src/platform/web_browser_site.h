#pragma once
// The container side of an embedded WebBrowser control: the client site, the in-place site and
// the in-place frame it asks for while it activates itself inside a host window.

#include <ole2.h>

#include "platform/com_ptr.h"

namespace platform {

class WebBrowserSite final : public IOleClientSite,
                             public IOleInPlaceSite,
                             public IOleInPlaceFrame {
public:
    // A new site for a control laid over the whole client area of `host`; null without memory.
    static ComPtr<WebBrowserSite> create(HWND host) noexcept;

    // The host is going away: the control gets no window from this site any more.
    void detach() noexcept { host_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override;
    ULONG STDMETHODCALLTYPE Release() noexcept override;

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() noexcept override;
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD which,
                                         IMoniker** moniker) noexcept override;
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) noexcept override;
    HRESULT STDMETHODCALLTYPE ShowObject() noexcept override;
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL show) noexcept override;
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() noexcept override;

    // IOleWindow (shared by the in-place site and the frame)
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) noexcept override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enterMode) noexcept override;

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() noexcept override;
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() noexcept override;
    HRESULT STDMETHODCALLTYPE OnUIActivate() noexcept override;
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame,
                                               IOleInPlaceUIWindow** document, RECT* position,
                                               RECT* clip,
                                               OLEINPLACEFRAMEINFO* frameInfo) noexcept override;
    HRESULT STDMETHODCALLTYPE Scroll(SIZE extent) noexcept override;
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL undoable) noexcept override;
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() noexcept override;
    HRESULT STDMETHODCALLTYPE DiscardUndoState() noexcept override;
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() noexcept override;
    HRESULT STDMETHODCALLTYPE OnPosRectChange(const RECT* position) noexcept override;

    // IOleInPlaceUIWindow
    HRESULT STDMETHODCALLTYPE GetBorder(RECT* border) noexcept override;
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(const BORDERWIDTHS* widths) noexcept override;
    HRESULT STDMETHODCALLTYPE SetBorderSpace(const BORDERWIDTHS* widths) noexcept override;
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* object,
                                              LPCOLESTR name) noexcept override;

    // IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU menu, OLEMENUGROUPWIDTHS* widths) noexcept override;
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU menu, HOLEMENU shared,
                                      HWND activeObject) noexcept override;
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU menu) noexcept override;
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR text) noexcept override;
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) noexcept override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* message, WORD id) noexcept override;

private:
    explicit WebBrowserSite(HWND host) noexcept : host_(host) {}
    ~WebBrowserSite() = default;

    ULONG references_ = 1;
    HWND host_;
};

} // namespace platform
