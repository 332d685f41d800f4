#pragma once

// Product, version, web site and contact, as the title bar shows them.
inline constexpr const char* mainWindowCaption =
    "Varnelle V1.0    官网：http://www.example.com    QQ：00000000";
