#pragma once
// The weight label: upper part with the product data, the serial number's barcode and the number
// as text; lower part with the product data, inspector and company phone. Drawn in twips
// (1/1440 inch) on a 4935 x 6150 twip sheet, for the screen and the printer alike.
#include <QRectF>
#include <QString>

class QPainter;

namespace korvell {

struct WeightLabel {
    QString spec; // gglbl, gglbl1
    QString net; // netwt, netwt1
    QString model; // model, model1
    QString producer; // proc_emp, proc_emp1
    QString gross; // wt, wt1
    QString day; // rk_date, rk_date1
    QString phone; // upper phone text
    QString serialno; // tm (barcode) and Label1
    QString inspector; // jy_emp
    QString compphone; // phone1
};

inline constexpr int labelWidthTwips = 4935;
inline constexpr int labelHeightTwips = 6150;
// The barcode's box at (1920, 2880). It ends at the label's right edge (a 3495 wide box would hang
// 480 twips over the edge and lose the stop pattern) and above the serial number's text at 3480
// (a 975 high box would cover it). It starts below the phone line at 2520, whose text reaches
// down to about 2780, so the two never touch. The symbol keeps a quiet zone of ten modules on
// both sides.
inline constexpr QRectF labelBarcodeBox { 1920, 2880, labelWidthTwips - 1920, 3480 - 2880 - 30 };

// Draws the label into target (device units of painter); the label keeps its proportions when
// target has the label's aspect ratio.
void paintWeightLabel(QPainter& painter, const QRectF& target, const WeightLabel& label);

} // namespace korvell
