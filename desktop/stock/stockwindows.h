#pragma once
// Registers the stock windows with the window registry.
namespace korvell {

void registerStockWindows();

} // namespace korvell
