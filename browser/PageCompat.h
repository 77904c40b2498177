#pragma once

class QWebEngineProfile;

namespace lumivra {

// Installs, on every page of `profile` (all frames, before any page script
// runs), the older document facilities the built-in pages use: the blend
// transition filter (element.filters.blendtrans with apply and play, a CSS
// opacity fade over the duration given in style.filter) and window.event for
// inline handlers, so that "window.event.returnValue=false" cancels the event.
// The script is pages/resources/page_compat.js, embedded at build time.
void InstallPageCompat(QWebEngineProfile* profile);

}  // namespace lumivra
