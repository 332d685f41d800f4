#pragma once
// How the web view and the entry list follow the main window's outer size.
// The results go to the controls, which clamp them to 0..32627.

namespace app {

constexpr int kWebViewWidthAllowance = 519;
constexpr int kWebViewHeightAllowance = 86;
constexpr int kListHeightAllowance = 342;

constexpr int webViewWidthFor(int outerWidth)
{
    return outerWidth - kWebViewWidthAllowance;
}

constexpr int webViewHeightFor(int outerHeight)
{
    return outerHeight - kWebViewHeightAllowance;
}

constexpr int listHeightFor(int outerHeight)
{
    return outerHeight - kListHeightAllowance;
}

} // namespace app
