// The engine's road to the program's own page files.
#pragma once

namespace orvanta {

// Registers the own page scheme with the engine, once per process and before the first web
// view exists: its pages are read from the working folder and served as GBK HTML. Only own
// page files are served; remote pages may not link to them.
void RegisterOwnPageScheme();

}  // namespace orvanta
