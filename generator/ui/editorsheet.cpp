#include "generator/ui/editorsheet.h"

#include "generator/ui/barcodepage.h"
#include "generator/ui/formpage.h"
#include "generator/ui/lookuppage.h"
#include "generator/ui/menupage.h"
#include "generator/ui/okcancel.h"
#include "generator/ui/settingspage.h"
#include "generator/ui/startuppage.h"
#include "platform/ui/modal.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace vosket {

const std::vector<EditorPageKind>& EditorPageKinds()
{
    static const std::vector<EditorPageKind> kinds = {
        { QStringLiteral("窗体"), [](EditorWorkCopy& w) -> EditorPage* { return new FormPage(w); } },
        { QStringLiteral("菜单"), [](EditorWorkCopy& w) -> EditorPage* { return new MenuPage(w); } },
        { QStringLiteral("索引"), [](EditorWorkCopy& w) -> EditorPage* { return new LookupPage(w); } },
        { QStringLiteral("条码"), [](EditorWorkCopy& w) -> EditorPage* { return new BarcodePage(w); } },
        { QStringLiteral("设置"), [](EditorWorkCopy& w) -> EditorPage* { return new SettingsPage(w); } },
        { QStringLiteral("启动"), [](EditorWorkCopy& w) -> EditorPage* { return new StartupPage(w); } },
    };
    return kinds;
}

EditorSheet::EditorSheet(Project& project, std::function<void()> afterApply, QWidget* parent)
    : QDialog(parent)
    , project(project)
    , afterApply(std::move(afterApply))
    , work(project)
    , pageTabs(new QTabWidget(this))
    , pages(EditorPageKinds().size(), nullptr)
{
    setWindowTitle(QStringLiteral("应用程序产生器"));
    for (const EditorPageKind& kind : EditorPageKinds()) {
        auto* holder = new QWidget;
        holder->setLayout(new QVBoxLayout);
        holder->layout()->setContentsMargins(0, 0, 0, 0);
        pageTabs->addTab(holder, kind.caption);
    }
    createPage(0);
    connect(pageTabs, &QTabWidget::currentChanged, this, &EditorSheet::createPage);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pageTabs);
    layout->addWidget(OkCancelButtons(this));
}

EditorPage* EditorSheet::page(int index) const
{
    return index >= 0 && index < static_cast<int>(pages.size()) ? pages[static_cast<std::size_t>(index)]
                                                                : nullptr;
}

void EditorSheet::createPage(int index)
{
    if (index < 0 || page(index) != nullptr)
        return;
    EditorPage* created = EditorPageKinds()[static_cast<std::size_t>(index)].create(work);
    pageTabs->widget(index)->layout()->addWidget(created);
    pages[static_cast<std::size_t>(index)] = created;
}

void EditorSheet::accept()
{
    // Every page first, so the layout and the restarted simulator see all of the new project.
    for (EditorPage* created : pages) {
        if (created != nullptr)
            created->apply(project);
    }
    project.modified = true;
    NormalizeForms(project);
    if (afterApply)
        afterApply();
    QDialog::accept();
}

void OpenEditorSheet(QWidget* owner, Project& project, std::function<void()> afterApply)
{
    EditorSheet sheet(project, std::move(afterApply), owner);
    platform::runModal(sheet);
}

} // namespace vosket
