// The body of a media list job, without its thread.
#pragma once

#include "pages/media_list_builder.h"
#include "text/text.h"

namespace orvanta {

struct MediaListSources {
  Text source1, source2, source3, source4, source5;
};

// The three home pages of the kind the list file name (media_kinds.h) stands for; sources 4 and 5
// stay empty.
MediaListSources ChooseMediaListSources(const Text& listFile);

// Builds the list file from the sources of its kind; showMessage sees the download error.
void RunMediaListJob(const Text& listFile, const MediaListSources& sources,
                     CMediaListBuilder::MessageSink showMessage = {});

// Both in one: what a media list job does with nothing but the list file name.
void RunMediaListJob(const Text& listFile, CMediaListBuilder::MessageSink showMessage = {});

}  // namespace orvanta
