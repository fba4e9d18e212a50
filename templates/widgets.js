(function () {
  function config(node) {
    var text = node.getAttribute('data-widget-config') || '{}';
    try { return JSON.parse(text.replace(/'/g, '"')); } catch (e) { return {}; }
  }
  function first(root, cls) {
    return cls ? root.querySelector('.' + String(cls).replace(/^\./, '')) : null;
  }
  function elementChildren(node) {
    var out = [];
    for (var i = 0; node && i < node.children.length; ++i) out.push(node.children[i]);
    return out;
  }
  function carousel(node) {
    var c = config(node);
    var content = first(node, c.contentCls);
    var slides = elementChildren(content);
    if (!slides.length) return;
    var nav = first(node, c.navCls);
    var items = nav ? nav.querySelectorAll('li') : [];
    var box = content.parentNode;
    var w = box.clientWidth || slides[0].offsetWidth, h = box.clientHeight || slides[0].offsetHeight;
    var effect = c.effect || 'none';
    var seconds = parseFloat(c.duration);
    if (!(seconds >= 0)) seconds = 0.5;
    var active = 0;
    content.style.left = '0px';
    content.style.top = '0px';
    slides.forEach(function (s, i) {
      s.style.position = 'absolute';
      s.style.left = (effect === 'scrollx' ? i * w : 0) + 'px';
      s.style.top = (effect === 'scrolly' ? i * h : 0) + 'px';
      if (effect === 'fade') s.style.transition = 'opacity ' + seconds + 's';
    });
    if (effect === 'scrollx' || effect === 'scrolly')
      content.style.transition = (effect === 'scrollx' ? 'left ' : 'top ') + seconds + 's';
    function show(i) {
      active = (i + slides.length) % slides.length;
      slides.forEach(function (s, k) {
        if (effect === 'none' || effect === 'fade') {
          s.style.opacity = k === active ? '1' : '0';
          s.style.zIndex = k === active ? '2' : '1';
          if (effect === 'none') s.style.display = k === active ? 'block' : 'none';
        }
      });
      if (effect === 'scrollx') content.style.left = (-active * w) + 'px';
      if (effect === 'scrolly') content.style.top = (-active * h) + 'px';
      for (var k = 0; k < items.length; ++k)
        items[k].className = k === active ? (c.activeTriggerCls || 'selected') : '';
      node.setAttribute('data-active', String(active));
    }
    show(0);
    var timer = null;
    function restart() {
      if (timer) clearInterval(timer);
      if (c.autoplay) timer = setInterval(function () { show(active + 1); }, 3000);
    }
    var prev = first(node, c.prevBtnCls), next = first(node, c.nextBtnCls);
    if (prev) prev.addEventListener('click', function () { show(active - 1); restart(); });
    if (next) next.addEventListener('click', function () { show(active + 1); restart(); });
    for (var k = 0; k < items.length; ++k)
      (function (k) { items[k].addEventListener('mouseenter', function () { show(k); restart(); }); })(k);
    restart();
  }
  function countdown(node) {
    var c = config(node);
    var m = /^(\d+)-(\d+)-(\d+)\s+(\d+):(\d+):(\d+)/.exec(String(c.endTime || '').trim());
    var end = m ? new Date(+m[1], +m[2] - 1, +m[3], +m[4], +m[5], +m[6]).getTime() : NaN;
    var units = c.timeUnitCls || {};
    var run = first(node, c.timeRunCls || '.time-run'), done = first(node, c.timeEndCls || '.time-e');
    var digits = c.minDigit || 1;
    function pad(n) { n = String(n); while (n.length < digits) n = '0' + n; return n; }
    function tick() {
      var left = end - Date.now();
      if (!(left > 0)) {
        if (run) run.style.display = 'none';
        if (done) done.style.display = 'block';
        return false;
      }
      var s = Math.floor(left / 1000);
      var parts = { d: Math.floor(s / 86400), h: Math.floor(s / 3600) % 24, m: Math.floor(s / 60) % 60, s: s % 60, i: Math.floor(left % 1000 / 100) };
      for (var key in parts) {
        var target = first(node, units[key]);
        if (target) target.textContent = pad(parts[key]);
      }
      return true;
    }
    if (tick()) var timer = setInterval(function () { if (!tick()) clearInterval(timer); }, c.interval || 1000);
  }
  function popup(node) {
    var c = config(node);
    var trigger = c.trigger ? document.querySelector(c.trigger) : null;
    if (!trigger) return;
    var anchor = (c.align && c.align.node && document.querySelector(c.align.node)) || trigger;
    var offset = (c.align && c.align.offset) || [0, 0];
    var hideTimer = null;
    document.body.appendChild(node);
    node.style.position = 'absolute';
    function show() {
      clearTimeout(hideTimer);
      var r = anchor.getBoundingClientRect();
      node.style.display = 'block';
      node.style.left = (r.right + window.scrollX + offset[0]) + 'px';
      node.style.top = (r.top + r.height / 2 - node.offsetHeight / 2 + window.scrollY + offset[1]) + 'px';
    }
    function hide() { hideTimer = setTimeout(function () { node.style.display = 'none'; }, 100); }
    trigger.addEventListener('mouseenter', show);
    trigger.addEventListener('mouseleave', hide);
    node.addEventListener('mouseenter', function () { clearTimeout(hideTimer); });
    node.addEventListener('mouseleave', hide);
  }
  function start() {
    var widgets = document.querySelectorAll('[data-widget-type]');
    for (var i = 0; i < widgets.length; ++i) {
      var type = widgets[i].getAttribute('data-widget-type');
      try {
        if (type === 'Carousel') carousel(widgets[i]);
        else if (type === 'Countdown') countdown(widgets[i]);
        else if (type === 'Popup') popup(widgets[i]);
      } catch (e) { }
    }
  }
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else start();
})();
