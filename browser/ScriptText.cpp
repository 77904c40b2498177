#include "browser/ScriptText.h"

#include <cstdio>

namespace lumivra {

std::string JsStringLiteral(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size() + utf8.size() / 8 + 2);
  out += '"';
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '<':
        // "</script" must never close an enclosing script element.
        if (i + 1 < utf8.size() && utf8[i + 1] == '/') out += "\\x3C";
        else out += '<';
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\x%02X", c);
          out += buf;
        } else if (c == 0xE2 && i + 2 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) == 0x80 &&
                   (static_cast<unsigned char>(utf8[i + 2]) == 0xA8 ||
                    static_cast<unsigned char>(utf8[i + 2]) == 0xA9)) {
          out += static_cast<unsigned char>(utf8[i + 2]) == 0xA8 ? "\\u2028" : "\\u2029";
          i += 2;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
  return out;
}

std::string WriteDocumentScript(const std::string& pageUtf8) {
  // The window keeps its scroll offset across open(); a new page starts at its top.
  return "(function(){var d=document;d.open(\"text/html\");d.clear();d.writeln(" +
         JsStringLiteral(pageUtf8) + ");d.close();window.scrollTo(0,0);})();";
}

std::string PagePresentationScript() {
  // The title bar's left end sits against the middle cell, however wide its
  // own cell. On paper a verse and its label bar stay on one page: each pair
  // is wrapped in a block that is not broken. A selection (a located verse's
  // label) is marked alike with the focus elsewhere. A page waits hidden for
  // its style sheet rather than showing unstyled (a long report parses for
  // seconds before the sheet is in). Off-screen verse tables skip layout
  // until the first screen is painted (window.lumivraShownAt: when, in
  // milliseconds since the epoch); the whole page is laid out right after
  // (and at once for a search).
  return "(function(){var d=document,s=d.createElement('style');"
         "s.textContent='font.a1,font.a2{display:block;direction:rtl;text-align:right;"
         "padding-right:24px}"
         "::selection{background:#3390FF;color:#FFFFFF}"
         "@media print{table.t1,div.lumivra-verse{break-inside:avoid}}"
         "html:not(.lumivra-whole) table.t1{content-visibility:auto;"
         "contain-intrinsic-size:auto 60px}';"
         "(d.head||d.documentElement).appendChild(s);"
         "var bars=d.querySelectorAll(\"tr[bgcolor='#95AEC2']\"),i;"
         "for(i=0;i<bars.length;++i){var b=bars[i].closest('table'),v=b&&b.previousElementSibling;"
         "if(!v||v.tagName!=='TABLE')continue;var w=d.createElement('div');w.className='lumivra-verse';"
         "v.parentNode.insertBefore(w,v);w.appendChild(v);w.appendChild(b);}"
         "var e=d.querySelector('img[src$=\"hleft_gif\"]');"
         "if(e&&e.parentElement.tagName==='TD')e.parentElement.style.textAlign='right';"
         "var r=d.documentElement,l=d.querySelector('link[rel=stylesheet]');"
         "if(l&&!l.sheet){r.style.visibility='hidden';"
         "var show=function(){r.style.visibility='';};"
         "l.addEventListener('load',show);l.addEventListener('error',show);setTimeout(show,5000);}"
         "var whole=function(){d.documentElement.classList.add('lumivra-whole');};"
         "window.addEventListener('load',function(){requestAnimationFrame(function(){"
         "requestAnimationFrame(function(){"
         "window.lumivraShownAt=performance.timeOrigin+performance.now();"
         "setTimeout(whole,0);});});});})();";
}

std::string SetBodyHtmlScript(const std::string& htmlUtf8) {
  return "(function(){if(document.body)document.body.innerHTML=" + JsStringLiteral(htmlUtf8) +
         ";})();";
}

std::string ClearSelectionScript() {
  return "(function(){var s=window.getSelection();if(s)s.removeAllRanges();})();";
}

std::string ReadyStateScript() {
  // A written document reads "complete" while its style sheet and pictures
  // are still on their way; it is not complete, nor laid out for good, until
  // they are in (the page stays hidden until its sheet is).
  return "(function(d){var s=d.readyState;if(s==='complete'){var m=d.images,i;"
         "if(d.documentElement&&d.documentElement.style.visibility==='hidden')return 'interactive';"
         "for(i=0;i<m.length;++i)if(!m[i].complete)return 'interactive';}return s;})(document)";
}

std::string ScrollToTopScript() { return "window.scrollTo(0,0);"; }

std::string FindSelectScript(const std::string& textUtf8) {
  // The body's text nodes are joined in document order; the match may span
  // several nodes, as a text range's would.
  return "(function(needle){"
         "var b=document.body;if(!b||!needle)return false;"
         "document.documentElement.classList.add('lumivra-whole');void b.offsetHeight;"
         "var w=document.createTreeWalker(b,NodeFilter.SHOW_TEXT,null),nodes=[],starts=[],all='',n;"
         "while((n=w.nextNode())){starts.push(all.length);nodes.push(n);all+=n.data;}"
         "var at=all.toLowerCase().indexOf(needle.toLowerCase());if(at<0)return false;"
         "var end=at+needle.length,r=document.createRange(),i;"
         "for(i=0;i<nodes.length;++i){var s=starts[i],e=s+nodes[i].data.length;"
         "if(at>=s&&at<e){r.setStart(nodes[i],at-s);}"
         "if(end>s&&end<=e){r.setEnd(nodes[i],end-s);break;}}"
         "var sel=window.getSelection();sel.removeAllRanges();sel.addRange(r);"
         // A verse label ends its verse's block: the block (the table before
         // the label's bar) goes to the top, so the verse itself is in view.
         "var top=r.getBoundingClientRect().top,e=r.startContainer.parentElement,"
         "label=e&&e.closest('font.f2'),bar=label&&label.closest('table'),"
         "block=bar&&bar.previousElementSibling;"
         "if(block&&block.tagName==='TABLE')top=block.getBoundingClientRect().top;"
         "window.scrollTo(window.scrollX,window.scrollY+top);"
         "return true;})(" +
         JsStringLiteral(textUtf8) + ");";
}

}  // namespace lumivra
