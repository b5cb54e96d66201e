// The body of a media list job, without its thread.
#pragma once

#include "pages/media_list_builder.h"
#include "text/text.h"

namespace orvanta {

// The list files the media search pages poll for.
inline constexpr std::string_view kVideoListFile = "sc/~astq3339681";
inline constexpr std::string_view kImageListFile = "sc/~astq3339682";
inline constexpr std::string_view kMusicListFile = "sc/~astq3339683";

struct MediaListSources {
  Text source1, source2, source3, source4, source5;
};

// The three home pages of the kind the list file name stands for; sources 4 and 5 stay
// empty.
MediaListSources ChooseMediaListSources(const Text& listFile);

// Builds the list file from the sources of its kind; showMessage sees the download error.
void RunMediaListJob(const Text& listFile, const MediaListSources& sources,
                     CMediaListBuilder::MessageSink showMessage = {});

// Both in one: what a media list job does with nothing but the list file name.
void RunMediaListJob(const Text& listFile, CMediaListBuilder::MessageSink showMessage = {});

}  // namespace orvanta
