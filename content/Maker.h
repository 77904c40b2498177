#pragma once

namespace lumivra {

// The maker of the reader. Every text that names the maker, its web site or
// its e-mail takes it from here (the home page is filled from these at build time).
inline constexpr char kMakerName[] = "Telvarin Solutions";
inline constexpr char kMakerWebAddress[] = "https://www.telvarin.com";
inline constexpr char kMakerEmail[] = "info@telvarin.com";
inline constexpr char kMakerSupportEmail[] = "support@telvarin.com";

}  // namespace lumivra
