#pragma once
// The Windows Chinese font names the windows, labels and sheets use ("宋体", "黑体"), mapped to
// the Noto CJK fonts of Linux. Both programs install them at start.
namespace platform {

void installChineseFontSubstitutes();

} // namespace platform
