#include "platform/web_view.h"

#include <utility>

#include "platform/ansi_to_bstr.h"
#include "platform/web_browser_event_sink.h"
#include "platform/web_browser_site.h"
#include "platform/window_class.h"

namespace platform {

namespace {

constexpr char kHostClassName[] = "VarnelleWebViewHost";

VARIANT variantOfInt(LONG value) noexcept
{
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_I4;
    variant.lVal = value;
    return variant;
}

VARIANT nullBstrVariant() noexcept
{
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_BSTR;
    variant.bstrVal = nullptr;
    return variant;
}

} // namespace

WebView::WebView() noexcept = default;

WebView::~WebView()
{
    destroy();
}

bool WebView::create(HWND parent, int id, int x, int y, int width, int height)
{
    destroy();
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registerWindowClass(kHostClassName, &WebView::hostProcedure,
                             static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)))) {
        return false;
    }
    const HWND host =
        CreateWindowExA(0, kHostClassName, "", WS_CHILD | WS_CLIPSIBLINGS, x, y, width, height,
                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    if (!host) {
        return false;
    }
    host_.reset(host);
    embedControl();
    if (!address_.empty()) {
        navigate(address_);
    }
    return true;
}

void WebView::embedControl()
{
    ComPtr<WebBrowserSite> site = WebBrowserSite::create(host_.get());
    ComPtr<IOleObject> object;
    if (!site || FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_IOleObject, object.putVoid()))) {
        return;
    }
    site_ = site;
    object_ = object;
    object->SetClientSite(site.get());
    RECT area{};
    GetClientRect(host_.get(), &area);
    object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.get(), 0, host_.get(), &area);
    inPlaceObject_ = object.query<IOleInPlaceObject>();
    if (inPlaceObject_) {
        inPlaceObject_->GetWindow(&control_);
    }
    activeObject_ = object.query<IOleInPlaceActiveObject>();
    browser_ = object.query<IWebBrowser2>();
    if (!browser_) {
        return;
    }
    browser_->put_Offline(VARIANT_FALSE);
    browser_->put_Silent(VARIANT_TRUE);
    VARIANT zoom = variantOfInt(2);
    browser_->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &zoom, nullptr);

    ComPtr<WebBrowserEventSink> sink = WebBrowserEventSink::create([this] { raiseLoaded(); });
    const auto container = browser_.query<IConnectionPointContainer>();
    ComPtr<IConnectionPoint> point;
    if (sink && container &&
        SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.put())) &&
        SUCCEEDED(point->Advise(sink.get(), &eventCookie_))) {
        eventSink_ = std::move(sink);
        eventPoint_ = std::move(point);
    }
    fitControl();
}

void WebView::fitControl() noexcept
{
    if (!host_ || !control_) {
        return;
    }
    RECT area{};
    GetClientRect(host_.get(), &area);
    SetWindowPos(control_, nullptr, 0, 0, area.right, area.bottom, SWP_NOACTIVATE | SWP_NOZORDER);
}

void WebView::releaseControl() noexcept
{
    // Everything is taken out of the members first: the calls below may come back into this
    // view (a window message, an event) and must find nothing left to release.
    const auto sink = std::exchange(eventSink_, {});
    const auto point = std::exchange(eventPoint_, {});
    const DWORD cookie = std::exchange(eventCookie_, 0);
    const auto site = std::exchange(site_, {});
    const auto object = std::exchange(object_, {});
    const auto inPlaceObject = std::exchange(inPlaceObject_, {});
    activeObject_.reset();
    browser_.reset();
    control_ = nullptr;

    if (sink) {
        sink->detach();
    }
    if (point) {
        point->Unadvise(cookie);
    }
    if (inPlaceObject) {
        inPlaceObject->InPlaceDeactivate();
    }
    if (object) {
        object->Close(OLECLOSE_NOSAVE);
        object->SetClientSite(nullptr);
    }
    if (site) {
        site->detach();
    }
}

void WebView::destroy() noexcept
{
    releaseControl();
    host_.reset();
}

void WebView::navigate(const std::string& address)
{
    // A "载入完毕" handler run inside Navigate may destroy this view: the control stays alive
    // until the call returns, and nothing of this view is touched after it.
    const ComPtr<IWebBrowser2> browser = browser_;
    if (!browser) {
        return;
    }
    const UniqueBstr url = ansiToBstr(address);
    if (!url.get()) {
        return;
    }
    VARIANT flags = variantOfInt(0);
    VARIANT targetFrameName = nullBstrVariant();
    VARIANT postData;
    VariantInit(&postData);
    VARIANT headers = nullBstrVariant();
    browser->Navigate(url.get(), &flags, &targetFrameName, &postData, &headers);
}

void WebView::setAddress(const std::string& address)
{
    address_ = address;
    navigate(address_);
}

void WebView::setLoadedHandler(std::function<void()> handler)
{
    loadedHandler_ = std::move(handler);
}

bool WebView::translateAccelerator(MSG& message)
{
    if (!activeObject_ || !control_ || message.message < WM_KEYFIRST ||
        message.message > WM_KEYLAST ||
        (message.hwnd != control_ && !IsChild(control_, message.hwnd))) {
        return false;
    }
    const ComPtr<IOleInPlaceActiveObject> activeObject = activeObject_;
    return activeObject->TranslateAccelerator(&message) == S_OK;
}

void WebView::raiseLoaded()
{
    // The handler may destroy this view, and with it loadedHandler_: call a copy.
    const std::function<void()> handler = loadedHandler_;
    if (handler) {
        handler();
    }
}

LRESULT CALLBACK WebView::hostProcedure(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept
{
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* view = reinterpret_cast<WebView*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (view) {
        switch (message) {
        case WM_SIZE:
            view->fitControl();
            break;
        case WM_DESTROY:
            // Also when the parent takes the host down with it: the control goes first.
            view->releaseControl();
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            if (view->host_.get() == window) {
                view->host_.release();
            }
            break;
        default:
            break;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace platform
