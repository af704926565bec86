#pragma once

#include <string>

// The product and its maker, as the dialogs name them.
constexpr const char* kProductName = "VO Dizuzi";
constexpr const char* kProductVersion = "1.10";
constexpr const char* kMakerName = "Tarnwick";

// The maker's endpoints: its web host, under which the product's home page
// and the latest version's archive lie, and its contact address. Names of a
// reserved example domain, so that no real site or mailbox is named.
constexpr const char* kMakerWebHost = "www.tarnwick.example";
constexpr const char* kMakerMail = "mail@tarnwick.example";

// The link that writes to the maker.
inline std::string MakerMailLink() {
    return std::string("mailto:") + kMakerMail;
}
