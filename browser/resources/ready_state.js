// Evaluates to the document's loading state. A written document reads
// "complete" while its style sheet and pictures are still on their way; it
// is not complete, nor laid out for good, until they are in (the page stays
// hidden until its sheet is).
(function (d) {
  var s = d.readyState;
  if (s === 'complete') {
    var m = d.images, i;
    if (d.documentElement && d.documentElement.style.visibility === 'hidden') return 'interactive';
    for (i = 0; i < m.length; ++i) if (!m[i].complete) return 'interactive';
  }
  return s;
})(document)
