#include "generator/ui/editorworkcopy.h"

#include "generator/ui/pagerules.h"
#include "generator/ui/settingsrules.h"

namespace vosket {

EditorWorkCopy::EditorWorkCopy(const Project& project)
    : forms(project.forms)
    , menus(project.menus)
    , lookups(project.lookups)
    , barcode(project.barcode)
    , system(project.system)
    , texts(ReadTerminalTexts(project.messages))
    , separatorCount(SeparatorCount(project.system))
{
}

int SeparatorCount(const SystemSettings& s)
{
    return s.fieldSeparator(0) == 0 ? 0 : s.fieldSeparator(1) == 0 ? 1 : 2;
}

void ApplyFormPage(const EditorWorkCopy& work, Project& project)
{
    project.forms = work.forms;
}

void ApplyMenuPage(const EditorWorkCopy& work, Project& project)
{
    project.menus = work.menus;
    project.system.formFilesOn() = work.system.formFilesOn();
}

void ApplyLookupPage(EditorWorkCopy& work, Project& project)
{
    for (LookupRecord& definition : work.lookups) {
        if (definition.separator() != 0)
            LayOutSeparatedFields(definition);
    }
    project.lookups = work.lookups;
}

void ApplyBarcodePage(const EditorWorkCopy& work, Project& project)
{
    project.barcode = work.barcode;
}

void ApplySettingsPage(const EditorWorkCopy& work, Project& project)
{
    CopySettingsPageFields(work.system, project.system);
}

void ApplyStartupPage(const EditorWorkCopy& work, Project& project)
{
    const SystemSettings& from = work.system;
    SystemSettings& to = project.system;
    to.startTarget() = from.startTarget() != 0 ? 1 : 0;
    to.fieldSeparator(0) = work.separatorCount >= 1 ? from.fieldSeparator(0) : 0;
    to.fieldSeparator(1) = work.separatorCount == 2 ? from.fieldSeparator(1) : 0;
    to.allPromptsLarge() = from.allPromptsLarge() != 0 ? 1 : 0;
    if (work.textsChanged)
        WriteTerminalTexts(work.texts, project.messages);
}

} // namespace vosket
