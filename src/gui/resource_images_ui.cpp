#include "gui/resource_images_ui.h"

#include <wx/filename.h>
#include <wx/image.h>
#include <wx/stdpaths.h>

#include <map>

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

}  // namespace

wxImage LoadResImage(int id, int fallbackWidth, int fallbackHeight) {
  // Only PNG files are read; the toolkit's other formats are never set up.
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
  const wxString path = ResourceFolder() + wxString::Format("/%d.png", id);
  wxImage image;
  if (wxFileName::FileExists(path) && image.LoadFile(path, wxBITMAP_TYPE_PNG)) return image;
  image.Create(fallbackWidth, fallbackHeight, false);
  const wxColour skin = SkinColour();
  image.SetRGB(wxRect(0, 0, fallbackWidth, fallbackHeight), skin.Red(), skin.Green(), skin.Blue());
  return image;
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
