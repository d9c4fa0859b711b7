#pragma once
// Moving to another instance of the program: the front end and the game each run in their own
// instance and pass the game on in the new instance's command line.

#include "gui/frame_page.h"
#include "platform/types.h"

#include <string>

namespace velmora {

// Closes the display output, destroys the main window (so that its loop ends and the new instance
// does not find it), closes the resource archives with their temporary folder, and starts this
// executable with commandLine. False when it cannot be started.
bool relaunch(HWND mainWindow, const std::wstring& commandLine);

// Leaves a running page for the front end: repaints the main window, stops the page's frames and
// whatever else it runs (stopActivity), fades it out over two seconds without redrawing it, and
// relaunches with "ARG:intro".
void returnToFrontEnd(FramePage& page);

} // namespace velmora
