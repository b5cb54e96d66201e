#include "pages/advert_script.h"

#include <string>

#include "net/service_hosts.h"

namespace orvanta {

Text BuildAdvertScript(int number) {
  const int script = number >= 1 && number <= 3 ? number : 4;
  return "<script language=\"javascript\" type=\"text/javascript\" src=\"http://" +
         Text(hosts::kMaker) + "/ad/" + std::to_string(script) + ".js\"></script>";
}

}  // namespace orvanta
