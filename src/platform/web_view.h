#pragma once
// The `超文本浏览框` control: a child window of our own that hosts one WebBrowser control.

#include <windows.h>
#include <exdisp.h>
#include <ole2.h>

#include <functional>
#include <string>

#include "platform/com_ptr.h"
#include "platform/unique_handle.h"

namespace platform {

class WebBrowserSite;
class WebBrowserEventSink;

class WebView {
public:
    WebView() noexcept;
    ~WebView();

    // The control's COM objects point back at this object.
    WebView(const WebView&) = delete;
    WebView& operator=(const WebView&) = delete;
    WebView(WebView&&) = delete;
    WebView& operator=(WebView&&) = delete;

    // Creates the host window, hidden, as child `id` of `parent`, embeds the WebBrowser control
    // over its client area with offline browsing off, silent on and the middle text size, and
    // navigates to the address if it is not empty. False only when the host cannot be created;
    // a control that cannot be embedded leaves an empty host.
    bool create(HWND parent, int id, int x, int y, int width, int height);

    // Releases the control and destroys the host. Safe inside the view's own "载入完毕" handler.
    void destroy() noexcept;

    HWND hwnd() const noexcept { return host_.get(); }

    // Starts loading `address` in the control; returns at once. The result is not looked at.
    void navigate(const std::string& address);

    // The "地址" property: stored, then navigated to.
    void setAddress(const std::string& address);
    const std::string& address() const noexcept { return address_; }

    // The event "载入完毕": raised on every DownloadComplete of the control, possibly from
    // inside navigate(). The handler may destroy this view.
    void setLoadedHandler(std::function<void()> handler);

    // Lets the page see a key message meant for one of the control's windows before it is
    // translated and dispatched; true when the page used it up.
    bool translateAccelerator(MSG& message);

    IWebBrowser2* browser() const noexcept { return browser_.get(); }

private:
    static LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) noexcept;
    void embedControl();
    void fitControl() noexcept;
    void releaseControl() noexcept;
    void raiseLoaded();

    UniqueWindow host_;
    ComPtr<WebBrowserSite> site_;
    ComPtr<IOleObject> object_;
    ComPtr<IOleInPlaceObject> inPlaceObject_;
    ComPtr<IOleInPlaceActiveObject> activeObject_;
    ComPtr<IWebBrowser2> browser_;
    ComPtr<WebBrowserEventSink> eventSink_;
    ComPtr<IConnectionPoint> eventPoint_;
    DWORD eventCookie_ = 0;
    HWND control_ = nullptr;
    std::string address_;
    std::function<void()> loadedHandler_;
};

} // namespace platform
