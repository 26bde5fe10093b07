#include "updater/download_request.h"

#include <string>

namespace updater {

host::Text agentName(std::uint32_t tick) { return "Agent" + std::to_string(tick); }

host::Text requestHeaders(bool resume, std::int32_t startOffset) {
  host::Text headers =
      "Accept: */*\r\n"
      "Accept-Language: zh-cn\r\n"
      "Accept-Encoding: gzip, deflate\r\n"
      "User-Agent: Mozilla/4.0(compatible; MSIE 6.0; Windows NT 5.0; MyIE2; .NET CLR 1.1.4322)";
  if (resume) headers += "\r\nRange:bytes=" + std::to_string(startOffset) + "-";
  return headers;
}

}  // namespace updater
