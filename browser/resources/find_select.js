// Finds the given text in the body, forward from its start, letter case
// ignored: the body's text nodes are joined in document order, so the match
// may span several nodes, as a text range's would. When found, selects it
// and scrolls it to the top; evaluates to whether it was found.
(function (needle) {
  var b = document.body;
  if (!b || !needle) return false;
  var w = document.createTreeWalker(b, NodeFilter.SHOW_TEXT, null), nodes = [], starts = [], all = '', n;
  while ((n = w.nextNode())) {
    starts.push(all.length);
    nodes.push(n);
    all += n.data;
  }
  var at = all.toLowerCase().indexOf(needle.toLowerCase());
  if (at < 0) return false;
  var end = at + needle.length, r = document.createRange(), i;
  for (i = 0; i < nodes.length; ++i) {
    var s = starts[i], e = s + nodes[i].data.length;
    if (at >= s && at < e) r.setStart(nodes[i], at - s);
    if (end > s && end <= e) {
      r.setEnd(nodes[i], end - s);
      break;
    }
  }
  var sel = window.getSelection();
  sel.removeAllRanges();
  sel.addRange(r);
  // A verse label ends its verse's block: the block (the table before the
  // label's bar) goes to the top, so the verse itself is in view.
  var top = r.getBoundingClientRect().top, e = r.startContainer.parentElement,
      label = e && e.closest('font.f2'), bar = label && label.closest('table'),
      block = bar && bar.previousElementSibling;
  if (block && block.tagName === 'TABLE') top = block.getBoundingClientRect().top;
  window.scrollTo(window.scrollX, window.scrollY + top);
  return true;
})(LUMIVRA_TEXT);
