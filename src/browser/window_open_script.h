// The window.open every frame of every page gets in place of the engine's own, which aborts
// the whole program when a page calls it: it hands the address to the browser control, which
// treats it as a click on a link that asks for a new window, and gives the page no window.
#pragma once

namespace orvanta {

inline constexpr const char* kWindowOpenHandler = "orvantaOpen";

inline constexpr const char* kWindowOpenScript = R"JS(
(function () {
  function open(url) {
    try {
      var address = url === undefined || url === null || url === '' ? ''
                    : new URL(String(url), document.baseURI).href;
      window.webkit.messageHandlers.orvantaOpen.postMessage(address);
    } catch (e) {}
    return null;
  }
  function fix(holder, name, value) {
    try {
      Object.defineProperty(holder, name, { value: value, writable: false, configurable: false });
    } catch (e) {}
  }
  fix(window, 'open', open);
  // document.open with three arguments is window.open under another name.
  var openDocument = Document.prototype.open;
  fix(Document.prototype, 'open', function () {
    return arguments.length >= 3 ? open(arguments[0]) : openDocument.apply(this, arguments);
  });
})();
)JS";

}  // namespace orvanta
