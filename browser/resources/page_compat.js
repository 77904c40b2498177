// The older document facilities the built-in pages use, installed on every
// page before its own scripts run (browser/PageCompat).

(function () {
  'use strict';
  if (window.__lumivraCompat) return;
  Object.defineProperty(window, '__lumivraCompat', { value: true });

  // window.event: the event being handled, for inline handlers.
  if (!('event' in window)) {
    var current = [];
    var track = function (e) {
      current.push(e);
      setTimeout(function () { var i = current.indexOf(e); if (i >= 0) current.splice(i, 1); }, 0);
    };
    ['selectstart', 'mousedown', 'mouseup', 'click', 'dblclick', 'keydown', 'keyup', 'keypress',
     'contextmenu', 'dragstart', 'load'].forEach(function (t) { window.addEventListener(t, track, true); });
    Object.defineProperty(window, 'event', {
      configurable: true,
      get: function () { return current.length ? current[current.length - 1] : undefined; }
    });
  }
  // returnValue = false cancels the event.
  var ev = Event.prototype;
  var rv = Object.getOwnPropertyDescriptor(ev, 'returnValue');
  if (!rv || !rv.set) {
    Object.defineProperty(ev, 'returnValue', {
      configurable: true,
      get: function () { return !this.defaultPrevented; },
      set: function (v) { if (v === false) this.preventDefault(); }
    });
  }

  // style.filter keeps a transition filter text (the engine would drop it as
  // invalid CSS) so that the transition can read its duration.
  var filterTexts = new WeakMap();
  var isTransition = function (v) {
    return /^\s*(progid:\s*DXImageTransform\.Microsoft\.)?(blendtrans|blend)\s*\(/i.test(String(v));
  };
  var holder = Object.getPrototypeOf(document.createElement('div').style), desc = null;
  while (holder && !(desc = Object.getOwnPropertyDescriptor(holder, 'filter'))) {
    holder = Object.getPrototypeOf(holder);
  }
  if (desc && desc.set && desc.get) {
    // CSS properties are accessors: wrap the one of filter
    Object.defineProperty(holder, 'filter', {
      configurable: true,
      enumerable: desc.enumerable,
      get: function () {
        return filterTexts.has(this) ? filterTexts.get(this) : desc.get.call(this);
      },
      set: function (v) {
        if (isTransition(v)) {
          filterTexts.set(this, String(v));
        } else {
          filterTexts.delete(this);
          desc.set.call(this, v);
        }
      }
    });
  } else {
    // CSS properties are answered by the declaration itself: hand out a
    // view of it that keeps the filter text and passes everything else on.
    var styleDesc = Object.getOwnPropertyDescriptor(HTMLElement.prototype, 'style');
    if (styleDesc && styleDesc.get) {
      var views = new WeakMap();
      Object.defineProperty(HTMLElement.prototype, 'style', {
        configurable: true,
        enumerable: styleDesc.enumerable,
        set: styleDesc.set,
        get: function () {
          var real = styleDesc.get.call(this);
          var view = views.get(real);
          if (!view) {
            view = new Proxy(real, {
              get: function (t, k) {
                if (k === 'filter' && filterTexts.has(t)) return filterTexts.get(t);
                if (k === '__lumivraTarget') return t;
                var v = t[k];
                return typeof v === 'function' ? v.bind(t) : v;
              },
              set: function (t, k, v) {
                if (k === 'filter') {
                  if (isTransition(v)) { filterTexts.set(t, String(v)); return true; }
                  filterTexts.delete(t);
                }
                t[k] = v;
                return true;
              }
            });
            views.set(real, view);
          }
          return view;
        }
      });
    }
  }
  var realStyle = function (el) {
    var st = el.style;
    return (st && st.__lumivraTarget) || st;
  };
  var durationOf = function (el, fallback) {
    var text = filterTexts.get(realStyle(el)) || '';
    var m = /duration\s*=\s*([0-9]*\.?[0-9]+)/i.exec(text);
    return m ? parseFloat(m[1]) : fallback;
  };
  var shown = function (el) {
    var cs = getComputedStyle(el);
    return cs.visibility !== 'hidden' && cs.display !== 'none';
  };

  // The blend transition: apply() freezes the element's look, play() fades
  // from that look to the current one over the duration.
  function BlendTrans(el) {
    this._el = el;
    this._frozen = null;
    this._timer = 0;
    this.duration = undefined;
    this.status = 0;  // 0 stopped, 1 applied, 2 playing
  }
  BlendTrans.prototype.apply = function () {
    var el = this._el;
    this.stop();
    this._frozen = { visible: shown(el), opacity: el.style.opacity, transition: el.style.transition };
    el.style.transition = 'none';
    if (!this._frozen.visible) el.style.opacity = '0';
    void getComputedStyle(el).opacity;  // commit the frozen look
    this.status = 1;
  };
  BlendTrans.prototype.play = function (seconds) {
    var el = this._el, self = this;
    var frozen = this._frozen || { visible: shown(el), opacity: el.style.opacity, transition: el.style.transition };
    this._frozen = null;
    var d = Number(seconds);
    if (!(d >= 0)) d = Number(this.duration);
    if (!(d >= 0)) d = durationOf(el, 1);
    var nowVisible = shown(el);
    var finish = function () {
      clearTimeout(self._timer);
      self._timer = 0;
      el.style.transition = frozen.transition;
      el.style.opacity = frozen.opacity;
      if (self._hideAfter) { el.style.visibility = 'hidden'; self._hideAfter = false; }
      self.status = 0;
    };
    this._finish = finish;
    this._hideAfter = false;
    if (frozen.visible === nowVisible) { finish(); return; }
    if (!nowVisible) {
      // fade out: stay visible while fading, then hide
      el.style.visibility = 'visible';
      el.style.transition = 'none';
      el.style.opacity = '1';
      void getComputedStyle(el).opacity;
      this._hideAfter = true;
    }
    el.style.transition = 'opacity ' + d + 's linear';
    el.style.opacity = nowVisible ? '1' : '0';
    this.status = 2;
    this._timer = setTimeout(finish, d * 1000 + 50);
  };
  BlendTrans.prototype.stop = function () {
    if (this._timer && this._finish) this._finish();
    this.status = 0;
  };

  var collections = new WeakMap();
  Object.defineProperty(Element.prototype, 'filters', {
    configurable: true,
    get: function () {
      var c = collections.get(this);
      if (!c) {
        var bt = new BlendTrans(this);
        c = { blendtrans: bt, blendTrans: bt, length: 1, 0: bt,
              item: function (i) { return (i === 0 || /^blendtrans$/i.test(String(i))) ? bt : null; } };
        collections.set(this, c);
      }
      return c;
    }
  });
})();
