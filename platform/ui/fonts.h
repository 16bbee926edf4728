#pragma once
// The Windows Chinese font names the windows, labels and sheets use ("宋体", "黑体"), mapped to
// the Noto CJK fonts of Linux. Both programs install them at start, once the application exists.
namespace platform {

// The substitutes come first from copies of the installed Noto Sans CJK collections, whose text
// prints into PDFs as the characters drawn ("入", not the radical "⼊" that shares its glyph).
void installChineseFontSubstitutes();

} // namespace platform
