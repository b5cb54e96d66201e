#include "net/download.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <chrono>

#include "net/curl_handle.h"
#include "net/desktop_proxy.h"

namespace orvanta {
namespace {

using Clock = std::chrono::steady_clock;

struct Transfer {
  const CurlHandle& curl;
  Text lines;  // the body joined with CR LF as it arrives: it is never held twice
  std::size_t maxBytes;
  Clock::duration stallTimeout;
  std::size_t bodyBytes = 0;
  bool tooLarge = false;
  curl_off_t bytesSeen = -1;
  Clock::time_point lastProgress = Clock::now();
};

// Room for the announced body and its CR bytes, so that a large body is not copied while it
// grows; an announced length beyond the bound is not believed.
void ReserveForAnnouncedLength(Transfer& transfer) {
  const curl_off_t length = transfer.curl.AnnouncedLength();
  if (length <= 0 || static_cast<std::size_t>(length) > transfer.maxBytes) return;
  const auto bytes = static_cast<std::size_t>(length);
  transfer.lines.reserve(bytes + bytes / 32 + 2);
}

std::size_t AppendBody(char* data, std::size_t size, std::size_t count, void* userData) {
  auto* transfer = static_cast<Transfer*>(userData);
  const std::size_t bytes = size * count;
  if (transfer->bodyBytes + bytes > transfer->maxBytes) {
    transfer->tooLarge = true;
    return 0;  // makes curl end the transfer with an error
  }
  if (transfer->bodyBytes == 0) ReserveForAnnouncedLength(*transfer);
  transfer->bodyBytes += bytes;
  AppendWithCrLf(transfer->lines, std::string_view(data, bytes));
  return bytes;
}

// A slow host that still sends is waited for; one that sends nothing for the stall time is
// given up. (curl's own low-speed rule would also give up on a byte every few seconds.)
int AbortWhenStalled(void* userData, curl_off_t, curl_off_t received, curl_off_t, curl_off_t) {
  auto* transfer = static_cast<Transfer*>(userData);
  const Clock::time_point now = Clock::now();
  if (received != transfer->bytesSeen) {
    transfer->bytesSeen = received;
    transfer->lastProgress = now;
    return 0;
  }
  return now - transfer->lastProgress > transfer->stallTimeout ? 1 : 0;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char expected, char actual) {
           return std::tolower(static_cast<unsigned char>(actual)) == expected;
         });
}

bool NeedsEscape(unsigned char byte) { return byte <= 0x20 || byte >= 0x7F; }

}  // namespace

Text PrepareAddress(std::string_view address) {
  while (!address.empty() && static_cast<unsigned char>(address.front()) <= 0x20)
    address.remove_prefix(1);
  while (!address.empty() && static_cast<unsigned char>(address.back()) <= 0x20)
    address.remove_suffix(1);
  if (!StartsWithNoCase(address, "http://") && !StartsWithNoCase(address, "https://"))
    return Text();
  static constexpr char kHex[] = "0123456789ABCDEF";
  Text prepared;
  prepared.reserve(address.size());
  for (const char c : address) {
    const auto byte = static_cast<unsigned char>(c);
    if (NeedsEscape(byte)) {
      prepared += '%';
      prepared += kHex[byte >> 4];
      prepared += kHex[byte & 0x0F];
    } else {
      prepared += c;
    }
  }
  return prepared;
}

void AppendWithCrLf(Text& joined, std::string_view piece) {
  while (!piece.empty()) {
    const std::size_t lineFeed = piece.find('\n');
    if (lineFeed == std::string_view::npos) {
      joined.append(piece);
      return;
    }
    joined.append(piece.substr(0, lineFeed));
    joined.append("\r\n");
    piece.remove_prefix(lineFeed + 1);
  }
}

void EndLastLine(Text& joined) {
  // Only a body that ended in a line feed ends in one here.
  if (!joined.empty() && joined.back() != '\n') joined.append("\r\n");
}

Text JoinLinesWithCrLf(std::string_view body) {
  Text joined;
  joined.reserve(body.size() + body.size() / 16 + 2);
  AppendWithCrLf(joined, body);
  EndLastLine(joined);
  return joined;
}

Text DownloadLines(std::string_view address, const DownloadLimits& limits) {
  const Text prepared = PrepareAddress(address);
  if (prepared.empty()) return Text();
  CurlHandle curl;
  if (!curl) return Text();
  Transfer transfer{curl, Text(), limits.maxBodyBytes, limits.stallTimeout};
  curl.Set(CURLOPT_URL, prepared.c_str());
  curl.Set(CURLOPT_PROTOCOLS_STR, "http,https");
  curl.Set(CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl.Set(CURLOPT_FOLLOWLOCATION, 1L);
  curl.Set(CURLOPT_MAXREDIRS, 20L);
  curl.Set(CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectTimeout.count()));
  curl.Set(CURLOPT_TIMEOUT_MS, static_cast<long>(limits.transferTimeout.count()));
  curl.Set(CURLOPT_NOPROGRESS, 0L);
  curl.Set(CURLOPT_XFERINFOFUNCTION, AbortWhenStalled);
  curl.Set(CURLOPT_XFERINFODATA, &transfer);
  curl.Set(CURLOPT_NOSIGNAL, 1L);  // job threads must not take signals
  curl.Set(CURLOPT_ACCEPT_ENCODING, "");
  curl.Set(CURLOPT_USERAGENT, "Orvanta/1.0");
  curl.Set(CURLOPT_WRITEFUNCTION, AppendBody);
  curl.Set(CURLOPT_WRITEDATA, &transfer);
  // The environment's proxy variables are curl's to read; without them the desktop's
  // settings count, as they do for the web view.
  if (!EnvironmentNamesProxy()) curl.Set(CURLOPT_PROXY, DesktopProxyFor(prepared).c_str());
  if (!curl.Perform() || transfer.tooLarge) return Text();
  EndLastLine(transfer.lines);
  return std::move(transfer.lines);
}

}  // namespace orvanta
