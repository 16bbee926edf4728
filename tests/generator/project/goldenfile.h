#pragma once
#include <QByteArray>

namespace testsupport {

// The GBK bytes of a UTF-8 text, converted by iconv directly.
QByteArray Gbk(const char* utf8);

// The 18,942 bytes of the project file of a new project made at program start.
QByteArray GoldenNewProjectFile();

// The packed screen texts of a new project's program image, 2,468 bytes.
QByteArray PackedNewProjectTexts();

} // namespace testsupport
