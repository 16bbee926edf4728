#pragma once
// A project as the main window makes it at start: all zero, then the two default steps.
#include "generator/project/barcodesettings.h"
#include "generator/project/project.h"

namespace testsupport {

inline vosket::Project NewAtStart()
{
    vosket::Project p;
    vosket::ResetBarcodeSettings(p.barcode);
    vosket::NewProject(p);
    return p;
}

} // namespace testsupport
