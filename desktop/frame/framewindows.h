#pragma once
// Registers the frame's own windows: frmLogin, mainfrm, frmgymm, frmAbout.
namespace korvell {

void registerFrameWindows();

} // namespace korvell
