// What a screen reader needs of a written page, added once it is written
// (the page's own bytes stay as they are): a title, the languages of its
// texts, its caption as a heading, each verse one group named by its
// reference, and the pictures and spacers hidden (browser/BrowserDocument).
// Evaluates to the document's title.

(function () {
  'use strict';
  var d = document, body = d.body;
  if (!body) return d.title;
  var hide = function (e) { e.setAttribute('aria-hidden', 'true'); };
  var root = d.documentElement;
  if (!root.lang) root.lang = 'en';

  // The caption: a chapter's title in its title bar, else the page's first
  // bold text (an information page's name, a search page's search text). Its
  // first line titles the document.
  var caption = d.querySelector('td[background$="hmiddle_gif"] font') || d.querySelector('b');
  if (caption) {
    caption.setAttribute('role', 'heading');
    caption.setAttribute('aria-level', '1');
    var title = '';
    for (var n = caption.firstChild; n && n.nodeName !== 'BR'; n = n.nextSibling) title += n.textContent;
    if (!d.title && title.trim()) d.title = title.trim();
  }

  // The Arabic text classes, also where a page sets them on its own.
  var arabic = d.querySelectorAll('font.a1, font.a2'), i;
  for (i = 0; i < arabic.length; ++i) {
    arabic[i].lang = 'ar';
    arabic[i].dir = 'rtl';
  }

  // A verse is its text table and the bar under it (wrapped together by the
  // presentation script); the label in the bar names the group, so the bar
  // itself is not read after the verse.
  var bars = d.querySelectorAll("tr[bgcolor='#95AEC2']");
  for (i = 0; i < bars.length; ++i) {
    var bar = bars[i].closest('table'), label = bar && bar.querySelector('font.f2');
    if (!bar) continue;
    hide(bar);
    var group = bar.parentNode;
    if (!label || !group.classList.contains('lumivra-verse')) continue;
    group.setAttribute('role', 'group');
    group.setAttribute('aria-label', label.textContent.trim());
  }

  // The tables only lay the page out; pictures are decoration; cells
  // without text are spacers, and so are the line breaks between blocks.
  var tables = body.getElementsByTagName('table');
  for (i = 0; i < tables.length; ++i) tables[i].setAttribute('role', 'presentation');
  var pictures = body.getElementsByTagName('img');
  for (i = 0; i < pictures.length; ++i) hide(pictures[i]);
  var cells = body.getElementsByTagName('td');
  for (i = 0; i < cells.length; ++i) if (!cells[i].textContent.trim()) hide(cells[i]);
  for (var e = body.firstElementChild; e; e = e.nextElementSibling) if (e.tagName === 'BR') hide(e);

  // A located verse (its label selected) takes the focus as a whole, so a
  // screen reader starts there; the selection stays, no focus ring shows.
  var style = d.createElement('style');
  style.textContent = '[role=group]:focus{outline:none}';
  (d.head || root).appendChild(style);
  window.lumivraFocusSelectedVerse = function () {
    var s = window.getSelection(), n = s && s.rangeCount ? s.getRangeAt(0).startContainer : null;
    var e = n && (n.nodeType === 1 ? n : n.parentElement), group = e && e.closest('[role=group]');
    if (!group) return false;
    group.tabIndex = -1;
    group.focus({ preventScroll: true });
    return true;
  };
  return d.title;
})();
