#pragma once
// "属性" of a form line that is not a lookup line: fixed length, initial text, prefix and suffix
// codes, input mark, partial barcode, lead code and line feed.
#include "generator/ui/lineattributesdlg.h"

namespace vosket {

class AdvanceDlg : public LineAttributesDlg {
    Q_OBJECT
public:
    AdvanceDlg(EditorWorkCopy& work, QWidget* parent = nullptr);

    void accept() override;

private:
    void FillAdvanceDlg();
    void fixPartialRange();
    bool& inputMarkShown();
};

} // namespace vosket
