// Marks the document with the given number three animation frames on: by
// then its first frame is on screen. Frames come only while the view shows.
(function (n) {
  var f = function (k) {
    requestAnimationFrame(function () {
      if (k) f(k - 1);
      else window.lumivraPainted = n;
    });
  };
  f(2);
})(LUMIVRA_TEXT);
