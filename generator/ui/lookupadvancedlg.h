#pragma once
// "属性" of a lookup line: whether the looked-up data is saved, its fixed length, prefix and
// suffix codes.
#include "generator/ui/lineattributesdlg.h"

namespace vosket {

class LookupAdvanceDlg : public LineAttributesDlg {
    Q_OBJECT
public:
    LookupAdvanceDlg(EditorWorkCopy& work, QWidget* parent = nullptr);

    void accept() override;

private:
    void FillLookupAdvanceDlg();
};

} // namespace vosket
