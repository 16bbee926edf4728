#pragma once
// The editor sheet's working copies: the pages edit these, and only the sheet's OK puts them back
// into the project. A page copies its blocks in when it is first shown.
#include "generator/project/formrecord.h"
#include "generator/project/lookuprecord.h"
#include "generator/project/menurecord.h"
#include "generator/project/project.h"

#include <array>
#include <cstdint>

namespace vosket {

struct EditorWorkCopy {
    std::array<FormRecord, Project::kForms> forms;
    std::array<MenuRecord, Project::kMenus> menus;
    uint8_t perFormFile = 0; // the system settings byte the menu page shows
    std::array<LookupRecord, Project::kLookups> lookups;
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

} // namespace vosket
