// The script every frame of every page runs: it reports the address of the link under the
// pointer (or holding the keyboard focus) to the browser page, as the page's markup wrote it.
#pragma once

namespace orvanta {

inline constexpr const char* kLinkStatusHandler = "orvantaStatus";

// A link's address is reported when the pointer reaches it, whenever it changes while the
// pointer rests on it (generated pages rewrite their search link on mouse-move and focus),
// when the link takes the focus, and once more, synchronously, as a click or a key press
// activates it, so the address the router acts on is the one the click went out with.
// Pseudo-links and their keywords arrive untouched; a relative link is resolved first, as a
// status line would show it.
inline constexpr const char* kLinkHoverScript = R"JS(
(function () {
  if (window.__orvantaHover) return;
  window.__orvantaHover = true;
  var last = null;
  var current = null;
  function post(text) {
    if (text === last) return;
    last = text;
    try { window.webkit.messageHandlers.orvantaStatus.postMessage(text); } catch (e) {}
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
  document.addEventListener('mouseover', function (event) { report(linkOf(event.target)); }, true);
  document.addEventListener('mousemove', function (event) { report(linkOf(event.target)); }, true);
  document.addEventListener('focusin', function (event) {
    var link = linkOf(event.target);
    if (link) report(link);
  }, true);
  document.addEventListener('click', function (event) {
    var link = linkOf(event.target);
    if (link) report(link);
  }, true);
  new MutationObserver(function (changes) {
    for (var i = 0; i < changes.length; ++i) {
      if (changes[i].target === current) { report(current); return; }
    }
  }).observe(document, { attributes: true, attributeFilter: ['href'], subtree: true });
})();
)JS";

}  // namespace orvanta
