// The system's one message for a download that failed.
#pragma once

#include "text/text.h"

namespace orvanta {

// "打开目标地址出错，请检查网络连接状况", in code page 936.
const Text& DownloadErrorMessage();

}  // namespace orvanta
