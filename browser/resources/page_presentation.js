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
// the length of its texts and the pane's width (again when the width
// changes), measured in the page fonts at their widest, so that a block
// brought into view shrinks rather than grows: End, and a verse located near
// the end, still reach the page's true end. On paper every block is laid out
// and none is broken across pages.
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

  // Each block's height at a pane width `w`: lines of 15 px (78 px for the
  // Arabic) at so many px a letter. A verse: its first text (the Arabic, the
  // transliteration, or the translation alone) and the translation under it,
  // with 61 px of cells beside the text and 40 for words that wrap early. A
  // part of a report: 50 px and the lines of each of its verses, with 16 px
  // of margins and the same 40.
  var blocks = [];
  var lines = function (letters, perLetter, room) { return Math.max(1, Math.ceil(letters * perLetter / room)); };
  var length = function (e) { return e ? e.textContent.length : 0; };
  var verseHeight = function (first, second, arabic) {
    return function (w) {
      var room = w - 101;
      if (!second) return 14 + 15 * lines(first, 6.8, room);
      if (arabic) return 18 + 78 * lines(first, 5.25, room) + 15 * lines(second, 6.8, room);
      return 33 + 15 * lines(first, 7.3, room) + 15 * lines(second, 6.8, room);
    };
  };
  var partHeight = function (verses) {
    return function (w) {
      for (var j = 0, sum = 0; j < verses.length; ++j) sum += 50 + 15 * lines(verses[j], 6.8, w - 56);
      return sum;
    };
  };
  // Moves `first` and its siblings up to `end` into a new block (blank text
  // stays out) whose height out of view is `height` of the pane's width.
  var wrap = function (cls, first, end, height) {
    var box = d.createElement('div');
    box.className = cls;
    first.parentNode.insertBefore(box, first);
    for (var n = first; n && n !== end;) {
      var next = n.nextSibling;
      if (n.nodeType !== 3 || /\S/.test(n.data)) box.appendChild(n);
      n = next;
    }
    blocks.push([box, height]);
  };
  var bars = d.querySelectorAll("tr[bgcolor='#95AEC2']");
  for (i = 0; i < bars.length; ++i) {
    var bar = bars[i].closest('table'), verse = bar && bar.previousElementSibling;
    if (!verse || verse.tagName !== 'TABLE') continue;
    var f = verse.getElementsByTagName('font');
    wrap('lumivra-verse', verse, bar.nextSibling,
         verseHeight(length(f[0]), f.length < 2 ? 0 : length(f[1]), /^a[12]$/.test(f[0] ? f[0].className : '')));
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
      var verses = [], k;
      for (k = i; k < i + 20 && k < starts.length; ++k) verses.push(length(titles[k].nextElementSibling));
      wrap('lumivra-part', starts[i], starts[i + 20] || last, partHeight(verses));
    }
  }
  // Heights follow the pane's width (a resized window, another text size).
  var estimate = function () {
    var w = Math.max(300, window.innerWidth - 15);  // beside the scroll bar
    for (var j = 0; j < blocks.length; ++j)
      blocks[j][0].style.containIntrinsicSize = 'auto ' + Math.round(blocks[j][1](w)) + 'px';
  };
  estimate();
  if (window.lumivraEstimate) window.removeEventListener('resize', window.lumivraEstimate);
  window.lumivraEstimate = blocks.length ? estimate : null;
  if (blocks.length) window.addEventListener('resize', estimate);

  var e = d.querySelector('img[src$="hleft_gif"]');
  if (e && e.parentElement.tagName === 'TD') e.parentElement.style.textAlign = 'right';
  var loaded = function () {
    requestAnimationFrame(function () {
      requestAnimationFrame(function () {
        window.lumivraShownAt = performance.timeOrigin + performance.now();
        if (window.gc) {
          clearTimeout(window.lumivraCollect);
          window.lumivraCollect = setTimeout(function () { gc(); }, 1000);
        }
      });
    });
  };
  // A page whose pictures were all at hand is complete as soon as written.
  if (d.readyState === 'complete') loaded();
  else window.addEventListener('load', loaded);
})(LUMIVRA_TEXT);
