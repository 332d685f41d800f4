#pragma once
// The pages the main window's web view opens with.

// Shown when the list is empty: the shop's add-to-favourites page of one item.
inline constexpr const char* shopLandingAddress =
    "http://shop.example.com/popup/add_collection.htm?spm=a1z10.1-c.0.0.example&id=100000000001"
    "&itemid=100000000001&itemtype=1&ownerid=00000000000000000000000000000000&scjjc=1"
    "&_tb_token_=example";

// Shown when the list holds anything.
inline constexpr const char* startPageAddress = "http://start.example.com/?url=1";
