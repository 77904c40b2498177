// Replaces the document with a whole page, given as one string, and goes
// back to the top: the window keeps its scroll offset across open().
(function(){var d=document;d.open("text/html");d.clear();d.writeln(LUMIVRA_TEXT);d.close();window.scrollTo(0,0);})();
