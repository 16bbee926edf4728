#pragma once
// "日期 & 时间戳设置": the current form's date and time stamp. Edits go into the work form at
// once; Cancel puts back the form as the dialog found it.
#include "generator/ui/editorworkcopy.h"

#include <QDialog>

class QGroupBox;

namespace vosket {

class DateTimeStampDlg : public QDialog {
    Q_OBJECT
public:
    DateTimeStampDlg(EditorWorkCopy& work, QWidget* parent = nullptr);

    void reject() override;

private:
    void ShowDateFormat();
    void ShowTimeFormat();

    EditorWorkCopy& work;
    QGroupBox* dateBox;
    QGroupBox* timeBox;
};

} // namespace vosket
