// Replaces the body's content (nothing without a body).
(function () { if (document.body) document.body.innerHTML = LUMIVRA_TEXT; })();
