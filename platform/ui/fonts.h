#pragma once
// The Windows Chinese font names the windows, labels and sheets use ("宋体", "黑体"), mapped to
// the Noto CJK fonts of Linux. Both programs install them at start, once the application exists.
namespace platform {

// Also puts copies of the Noto Sans CJK collections in place of the files, whose text prints into
// PDFs as the characters drawn ("入", not the radical "⼊" that shares its glyph).
void installChineseFontSubstitutes();

} // namespace platform
