#pragma once
// The editor sheet's one working copy: all six pages and their dialogs edit it, and only the
// sheet's OK puts it back into the project, each created page writing back what it owns; Cancel
// drops it with the sheet. It is taken when the sheet opens, so a page shows what other pages
// changed meanwhile.
#include "generator/project/project.h"
#include "generator/ui/terminaltexts.h"

#include <array>

namespace vosket {

struct EditorWorkCopy {
    EditorWorkCopy() = default;
    explicit EditorWorkCopy(const Project& project);

    std::array<FormRecord, Project::kForms> forms;
    std::array<MenuRecord, Project::kMenus> menus;
    std::array<LookupRecord, Project::kLookups> lookups;
    BarcodeSettings barcode;
    // The menu page owns formFilesOn, the settings page uploadPort through fnKeyMap, the startup
    // page startTarget, the separators and allPromptsLarge.
    SystemSettings system;
    // The startup page's texts, whether they were changed, and how many separators it uses.
    TerminalTexts texts;
    bool textsChanged = false;
    int separatorCount = 0;

    // The whole current form as a field dialog found it, for the dialog's Cancel.
    std::array<FormRecord, Project::kForms> formBackup;
    // "显示输入标记" of each form line: editor state, never saved.
    std::array<std::array<bool, FormRecord::kLines>, Project::kForms> inputMarkShown {};

    int currentForm = 0;
    int currentMenu = 0;
    int currentLookup = 0;
    int lastLine = 0; // the line whose "更多..." was pressed last

    FormRecord& form() { return forms[static_cast<std::size_t>(currentForm)]; }
    void backUpForm() { formBackup[static_cast<std::size_t>(currentForm)] = form(); }
    void restoreForm() { form() = formBackup[static_cast<std::size_t>(currentForm)]; }
};

// The separator count the startup page shows: 0 when separator 1 is 0, 1 when only it is set.
int SeparatorCount(const SystemSettings& s);

// What each page writes back on the sheet's OK, in page order.
void ApplyFormPage(const EditorWorkCopy& work, Project& project);
void ApplyMenuPage(const EditorWorkCopy& work, Project& project);
// Separated definitions get their record length and offsets first.
void ApplyLookupPage(EditorWorkCopy& work, Project& project);
void ApplyBarcodePage(const EditorWorkCopy& work, Project& project);
void ApplySettingsPage(const EditorWorkCopy& work, Project& project);
// The texts only when they were changed since the sheet opened.
void ApplyStartupPage(const EditorWorkCopy& work, Project& project);

} // namespace vosket
