#include "gui/resource_images_ui.h"

#include <wx/filename.h>
#include <wx/image.h>
#include <wx/stdpaths.h>

#include <map>
#include <utility>

#include "gui/skin_colour_ui.h"

namespace orvanta {
namespace {

// Beside the program in the build tree; once installed, in share/orvanta, which the build
// names relative to the program's own folder.
wxString ResourceFolder() {
  static const wxString folder = [] {
    const wxString programFolder = wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath();
    const wxString beside = programFolder + "/res";
    if (wxFileName::DirExists(beside)) return beside;
    return programFolder + "/" ORVANTA_RES_FROM_PROGRAM;
  }();
  return folder;
}

// Only PNG files are read; the toolkit's other formats are never set up. The handler list is
// changed on the window thread only, before any read aside starts.
wxString ResImagePath(int id) {
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
  return ResourceFolder() + wxString::Format("/%d.png", id);
}

// Safe on any thread: everything it touches is its own.
wxImage ReadResImage(const wxString& path, int fallbackWidth, int fallbackHeight) {
  wxImage image;
  if (wxFileName::FileExists(path) && image.LoadFile(path, wxBITMAP_TYPE_PNG)) return image;
  image.Create(fallbackWidth, fallbackHeight, false);
  const wxColour skin = SkinColour();
  image.SetRGB(wxRect(0, 0, fallbackWidth, fallbackHeight), skin.Red(), skin.Green(), skin.Blue());
  return image;
}

}  // namespace

wxImage LoadResImage(int id, int fallbackWidth, int fallbackHeight) {
  return ReadResImage(ResImagePath(id), fallbackWidth, fallbackHeight);
}

std::future<wxImage> LoadResImageAside(int id, int fallbackWidth, int fallbackHeight,
                                       std::function<wxImage(const wxImage&)> finish) {
  return std::async(std::launch::async, [path = ResImagePath(id), fallbackWidth, fallbackHeight,
                                         finish = std::move(finish)] {
    return finish(ReadResImage(path, fallbackWidth, fallbackHeight));
  });
}

wxBitmap LoadResBitmap(int id, int fallbackWidth, int fallbackHeight) {
  static std::map<int, wxBitmap> cache;
  if (auto found = cache.find(id); found != cache.end()) return found->second;
  const wxBitmap bitmap(LoadResImage(id, fallbackWidth, fallbackHeight));
  cache[id] = bitmap;
  return bitmap;
}

wxIcon LoadResIcon(int id) {
  wxIcon icon;
  icon.CopyFromBitmap(LoadResBitmap(id, 32, 32));
  return icon;
}

}  // namespace orvanta
