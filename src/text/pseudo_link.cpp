#include "text/pseudo_link.h"

namespace orvanta {

std::string_view PseudoLinkForm(std::string_view address) {
  for (std::string_view form : {"http://dh/#", "http://ss/#", "http://dy/#"})
    if (address.substr(0, form.size()) == form) return form;
  return {};
}

}  // namespace orvanta
