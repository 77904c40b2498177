// Evaluates to the number of the document's last painted mark (undefined
// before the first).
window.lumivraPainted;
