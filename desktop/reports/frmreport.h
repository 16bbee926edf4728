#pragma once
// The report designer "报表设计器": the report catalogue, each report's data query and field
// bindings, and its template sheet with the formatting ("操作(&A)") and file ("文件(&F)") menus.
// No menu opens it; `korvell --report-designer` shows it instead of the main window.
#include "desktop/frame/openingwindow.h"

#include <QMainWindow>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace platform {
class Grid;
}

namespace korvell {

class frmreport final : public OpeningWindow<QMainWindow> {
    Q_OBJECT
public:
    explicit frmreport(QWidget* parent = nullptr);

    // Command1: 0 "新建", 1 "保存", 2 "测试", 3 "检查", 4 "保存" (query), 5 "保存" (bindings),
    // 6 "删行", 7 "预览". Command2: 0 "确定", 1 "取消" of the catalogue editor.
    QPushButton* Command1[8] {};
    QPushButton* Command2[2] {};
    QPushButton* Command3 = nullptr; // "增加报表"
    QComboBox* Combo1 = nullptr; // the report list
    QLineEdit* Text1 = nullptr; // the report's data query
    platform::Grid* Grid1 = nullptr; // the template sheet
    platform::Grid* Grid2 = nullptr; // the binding grid
    platform::Grid* Grid3 = nullptr; // the catalogue grid
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QListWidget* List1 = nullptr; // the field list
    QListWidget* List2 = nullptr; // the selected list

    QString reportName() const { return curreportname; }

public slots:
    void Combo1_Click();
    void List1_Click(QListWidgetItem* item);
    void List2_Click(QListWidgetItem* item);
    void Command1_Click(int index);
    void Command2_Click(int index);
    void Command3_Click();
    void mnuNewFile_Click();
    void mnuSave_Click();
    void mnuExportToExcel_Click();
    void mnuPrintPreview_Click();
    void mnuDirectPrint_Click();
    void mnuSample1_Click();
    void mnuSample2_Click();
    void mnuQuit_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load() override;
    QWidget* buildTopRow();
    QWidget* buildBottomRow();
    void buildMenus();
    void setSheetDefaults();
    void OpenReportTemplate();
    void testFill();
    void runQueryIntoSheet();
    void openSample(const QString& path, bool xml);
    void Grid1_CurrentCellChanged(int row, int col);
    void saveBindingGrid();
    void saveCatalogueGrid();

    QString apppath; // the program folder, ending in "/"
    QString curtablename;
    QString curreportname;
    // A grid whose rows could not be read is not saved: the save would replace the stored rows.
    bool catalogueRead = false;
    bool bindingsRead = false;
};

} // namespace korvell
