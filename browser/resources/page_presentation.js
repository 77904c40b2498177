// The presentation of a written page, given two strings: its own style sheet
// (page_presentation.css) and the text of the style sheet the page links
// (empty when not known).
//
// The page's style sheet goes in ahead of its link, so the page is styled
// from its first frame; a page linking another sheet waits hidden for it
// rather than showing unstyled. The title bar's left end sits against the
// middle cell, however wide its own cell. A selection (a located verse's
// label) is marked alike with the focus elsewhere.
//
// Each verse of a chapter and its label bar are wrapped in a block, and the
// verses of a search report in parts of 20: on screen, a block out of view
// is neither laid out nor painted, so a long page shows its first screen at
// once and holds the layout of what was seen only (a block clips what it
// paints, so it leaves room for marks and letters that reach past its
// edges). Until it has been shown once, a block's height is estimated from
// the length of its texts, measured in the page fonts at their widest, so
// that a block brought into view shrinks rather than grows: End, and a verse
// located near the end, still reach the page's true end. On paper every
// block is laid out and none is broken across pages.
//
// window.lumivraShownAt: when the first screen was painted, in milliseconds
// since the epoch. A second later the script engine collects (where the
// engine lets it, EngineFlags): the documents written before this one go
// back to the system then, not whenever the engine next finds the time.
(function (css, sheet) {
  var d = document, root = d.documentElement, head = d.head || root, i;
  var link = d.querySelector('link[rel=stylesheet]');
  if (link && sheet && /^res:\/\/olvar\.exe\/styles_css$/i.test(link.getAttribute('href'))) {
    var own = d.createElement('style');
    own.textContent = sheet;
    link.parentNode.insertBefore(own, link);
  } else if (link && !link.sheet) {
    root.style.visibility = 'hidden';
    var show = function () { root.style.visibility = ''; };
    link.addEventListener('load', show);
    link.addEventListener('error', show);
    setTimeout(show, 5000);
  }
  var s = d.createElement('style');
  s.textContent = css;
  head.appendChild(s);

  var width = Math.max(300, window.innerWidth - 15);  // beside the scroll bar
  // Lines of 15 px (78 px for the Arabic) at `perChar` px a letter in `room` px.
  var lines = function (e, perChar, room) {
    return e ? Math.max(1, Math.ceil(e.textContent.length * perChar / room)) : 0;
  };
  // Moves `first` and its siblings up to `end` into a new block (blank text
  // stays out), its height `height` until it is shown.
  var wrap = function (cls, first, end, height) {
    var box = d.createElement('div');
    box.className = cls;
    first.parentNode.insertBefore(box, first);
    for (var n = first; n && n !== end;) {
      var next = n.nextSibling;
      if (n.nodeType !== 3 || /\S/.test(n.data)) box.appendChild(n);
      n = next;
    }
    box.style.containIntrinsicSize = 'auto ' + Math.round(height) + 'px';
  };
  var bars = d.querySelectorAll("tr[bgcolor='#95AEC2']");
  for (i = 0; i < bars.length; ++i) {
    var bar = bars[i].closest('table'), verse = bar && bar.previousElementSibling;
    if (!verse || verse.tagName !== 'TABLE') continue;
    var f = verse.getElementsByTagName('font'), room = width - 101, h;  // 61 px of cells, 40 of words that wrap early
    if (f.length < 2) h = 14 + 15 * lines(f[0], 6.8, room);
    else if (/^a[12]$/.test(f[0].className)) h = 18 + 78 * lines(f[0], 5.25, room) + 15 * lines(f[1], 6.8, room);
    else h = 33 + 15 * lines(f[0], 7.3, room) + 15 * lines(f[1], 6.8, room);
    wrap('lumivra-verse', verse, bar.nextSibling, h);
  }
  var titles = d.querySelectorAll('body>font.f3'), starts = [];
  for (i = 0; i < titles.length; ++i) {
    var t = titles[i], p = t.previousSibling;
    starts.push(p && p.nodeName === 'BR' ? p : t);
  }
  var last = d.body && d.body.lastElementChild;
  if (!last || last.tagName !== 'P') last = null;  // stays out: its margin merges with the body's
  if (starts.length > 20) {
    for (i = 0; i < starts.length; i += 20) {
      var height = 0, k;
      for (k = i; k < i + 20 && k < starts.length; ++k)
        height += 50 + 15 * lines(titles[k].nextElementSibling, 6.8, width - 56);  // 16 px of margins
      wrap('lumivra-part', starts[i], starts[i + 20] || last, height);
    }
  }

  var e = d.querySelector('img[src$="hleft_gif"]');
  if (e && e.parentElement.tagName === 'TD') e.parentElement.style.textAlign = 'right';
  window.addEventListener('load', function () {
    requestAnimationFrame(function () {
      requestAnimationFrame(function () {
        window.lumivraShownAt = performance.timeOrigin + performance.now();
        if (window.gc) {
          clearTimeout(window.lumivraCollect);
          window.lumivraCollect = setTimeout(function () { gc(); }, 1000);
        }
      });
    });
  });
})(LUMIVRA_TEXT);
