#pragma once
// Every window of korvell, registered by name: what the program opens, and its own tests too.
namespace korvell {

void registerKorvellWindows();

} // namespace korvell
