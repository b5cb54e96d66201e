#include "gui/resource_images_ui.h"

#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/stdpaths.h>

#include <map>

namespace orvanta {
namespace {

// Beside the program in the build tree; under share/orvanta once installed.
wxString ResourceFolder() {
  static const wxString folder = [] {
    const wxString programFolder =
        wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath();
    const wxString beside = programFolder + "/res";
    if (wxFileName::DirExists(beside)) return beside;
    return programFolder + "/../share/orvanta/res";
  }();
  return folder;
}

}  // namespace

wxBitmap LoadResBitmap(int id, int fallbackWidth, int fallbackHeight) {
  static std::map<int, wxBitmap> cache;
  if (auto found = cache.find(id); found != cache.end()) return found->second;
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxInitAllImageHandlers();
  wxImage image;
  const wxString path = ResourceFolder() + wxString::Format("/%d.png", id);
  wxBitmap bitmap;
  if (wxFileName::FileExists(path) && image.LoadFile(path, wxBITMAP_TYPE_PNG)) {
    bitmap = wxBitmap(image);
  } else {
    bitmap = wxBitmap(fallbackWidth, fallbackHeight);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(wxColour(28, 106, 168)));
    dc.Clear();
  }
  cache[id] = bitmap;
  return bitmap;
}

wxIcon LoadResIcon(int id) {
  wxIcon icon;
  icon.CopyFromBitmap(LoadResBitmap(id, 32, 32));
  return icon;
}

}  // namespace orvanta
