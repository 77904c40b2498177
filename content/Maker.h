#pragma once

namespace lumivra {

// The maker of the reader and the reader's title. Every text that names the
// maker, its web site or its e-mail takes it from here (the home page is filled
// from these at build time).
inline constexpr char kMakerName[] = "Telvarin Solutions";
inline constexpr char kMakerWebAddress[] = "https://www.telvarin.com";
inline constexpr char kMakerEmail[] = "info@telvarin.com";
inline constexpr char kMakerSupportEmail[] = "support@telvarin.com";

// The application's name; the error report's boxes carry it as their title.
inline constexpr char kApplicationTitle[] = "Lumivra";

}  // namespace lumivra
