// The script every frame of every page runs: it reports the address of the link under the
// pointer (or holding the keyboard focus) to the browser page, as the page's markup wrote it.
#pragma once

namespace orvanta {

inline constexpr const char* kLinkStatusHandler = "orvantaStatus";
// The script and its message handler live in a world of their own: a page's scripts can
// neither post to the handler nor change what the script sees of the frame's address.
inline constexpr const char* kLinkStatusWorld = "orvanta";

// A link's address is reported when the pointer reaches it, whenever it changes while the
// pointer rests on it (generated pages rewrite their search link on mouse-move and focus),
// when the link takes the focus, and once more, synchronously, as a click or a key press
// activates it, so the address the router acts on is the one the click went out with.
// Pseudo-links and their keywords arrive untouched; a relative link is resolved first, as a
// status line would show it. Each message starts with "1" when the frame holding the link
// shows one of the program's own pages, "0" otherwise. Events a script made up are ignored.
inline constexpr const char* kLinkHoverScript = R"JS(
(function () {
  if (window.__orvantaHover) return;
  window.__orvantaHover = true;
  var last = null;
  var current = null;
  var own = location.protocol === 'orvanta:' ? '1' : '0';
  function post(text) {
    if (text === last) return;
    last = text;
    try { window.webkit.messageHandlers.orvantaStatus.postMessage(own + text); } catch (e) {}
  }
  function linkOf(node) {
    while (node && !(node.nodeType === 1 && (node.tagName === 'A' || node.tagName === 'AREA')
                     && node.hasAttribute('href'))) {
      node = node.parentNode;
    }
    return node;
  }
  function addressOf(link) {
    var raw = link.getAttribute('href');
    return /^[a-zA-Z][a-zA-Z0-9+.-]*:/.test(raw) ? raw : link.href;
  }
  function report(link) {
    current = link;
    post(link ? addressOf(link) : '');
  }
  function listen(type, onlyLinks) {
    document.addEventListener(type, function (event) {
      if (!event.isTrusted) return;
      var link = linkOf(event.target);
      if (link || !onlyLinks) report(link);
    }, true);
  }
  listen('mouseover', false);
  listen('mousemove', false);
  listen('focusin', true);
  listen('click', true);
  new MutationObserver(function (changes) {
    for (var i = 0; i < changes.length; ++i) {
      if (changes[i].target === current) { report(current); return; }
    }
  }).observe(document, { attributes: true, attributeFilter: ['href'], subtree: true });
})();
)JS";

}  // namespace orvanta
