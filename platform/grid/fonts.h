#pragma once
// The Chinese font names of the sheets ("宋体", "黑体") mapped to the Noto CJK fonts of Linux.
namespace platform {

void installChineseFontSubstitutes();

} // namespace platform
