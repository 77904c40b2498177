// Clears the selection of the document.
(function () { var s = window.getSelection(); if (s) s.removeAllRanges(); })();
