// The video, image and music search pages with their polling frames.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace orvanta {

// The build's random draw r: a generator seeded anew from the current time in whole
// seconds, so that two builds in one second draw the same r.
std::uint32_t DrawMediaRandom();

// The pages with the draw taken now, and with a given draw r (for tests and the cli).
Text BuildVideoPage(int mode);
Text BuildImagePage(int mode);
Text BuildMusicPage(int mode);
Text BuildVideoPage(int mode, std::uint32_t draw);
Text BuildImagePage(int mode, std::uint32_t draw);
Text BuildMusicPage(int mode, std::uint32_t draw);

}  // namespace orvanta
