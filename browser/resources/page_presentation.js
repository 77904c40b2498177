// The presentation of a written page, its style sheet (page_presentation.css)
// given as one string. The title bar's left end sits against the middle cell,
// however wide its own cell. On paper a verse and its label bar stay on one
// page: each pair is wrapped in a block that is not broken. A selection (a
// located verse's label) is marked alike with the focus elsewhere. A page
// waits hidden for its style sheet rather than showing unstyled (a long
// report parses for seconds before the sheet is in). Off-screen verse tables
// skip layout until the first screen is painted (window.lumivraShownAt: when,
// in milliseconds since the epoch); the whole page is laid out right after
// (and at once for a search).
(function () {
  var d = document, s = d.createElement('style');
  s.textContent = LUMIVRA_TEXT;
  (d.head || d.documentElement).appendChild(s);
  var bars = d.querySelectorAll("tr[bgcolor='#95AEC2']"), i;
  for (i = 0; i < bars.length; ++i) {
    var b = bars[i].closest('table'), v = b && b.previousElementSibling;
    if (!v || v.tagName !== 'TABLE') continue;
    var w = d.createElement('div');
    w.className = 'lumivra-verse';
    v.parentNode.insertBefore(w, v);
    w.appendChild(v);
    w.appendChild(b);
  }
  var e = d.querySelector('img[src$="hleft_gif"]');
  if (e && e.parentElement.tagName === 'TD') e.parentElement.style.textAlign = 'right';
  var r = d.documentElement, l = d.querySelector('link[rel=stylesheet]');
  if (l && !l.sheet) {
    r.style.visibility = 'hidden';
    var show = function () { r.style.visibility = ''; };
    l.addEventListener('load', show);
    l.addEventListener('error', show);
    setTimeout(show, 5000);
  }
  var whole = function () { d.documentElement.classList.add('lumivra-whole'); };
  window.addEventListener('load', function () {
    requestAnimationFrame(function () {
      requestAnimationFrame(function () {
        window.lumivraShownAt = performance.timeOrigin + performance.now();
        setTimeout(whole, 0);
      });
    });
  });
})();
