// The verse holding the selection takes the focus (page_access.js defines how).
if (window.lumivraFocusSelectedVerse) window.lumivraFocusSelectedVerse();
