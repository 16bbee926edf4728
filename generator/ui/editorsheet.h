#pragma once
// "应用程序产生器": the modal property sheet of the project editor. Pages are created when first
// shown; OK lets every created page write back, then marks the project modified, normalises
// its forms and hands over to afterApply (line layout and the simulator's restart).
#include "generator/ui/editorpage.h"

#include <QDialog>
#include <functional>
#include <vector>

class QTabWidget;

namespace vosket {

struct EditorPageKind {
    QString caption;
    std::function<EditorPage*(EditorWorkCopy& work)> create;
};

// The pages in tab order.
const std::vector<EditorPageKind>& EditorPageKinds();

class EditorSheet : public QDialog {
    Q_OBJECT
public:
    EditorSheet(Project& project, std::function<void()> afterApply, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return pageTabs; }
    // The page at index, or nullptr while it has not been shown.
    EditorPage* page(int index) const;

    void accept() override;

private:
    void createPage(int index);

    Project& project;
    std::function<void()> afterApply;
    EditorWorkCopy work;
    QTabWidget* pageTabs;
    std::vector<EditorPage*> pages;
};

// Opens the sheet modally over owner; its effects are in the project.
void OpenEditorSheet(QWidget* owner, Project& project, std::function<void()> afterApply);

} // namespace vosket
