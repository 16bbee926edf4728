#pragma once
// The one project that the generator edits: fixed-size blocks in the order of the project file.
// The shell owns the project of the run and hands it to the editor, the simulator and the link.
#include "generator/project/barcodesettings.h"
#include "generator/project/commsettings.h"
#include "generator/project/formrecord.h"
#include "generator/project/lookuprecord.h"
#include "generator/project/menurecord.h"
#include "generator/project/messageblocks.h"
#include "generator/project/systemsettings.h"

#include <QString>
#include <array>

namespace vosket {

inline constexpr char kProjectTagText[] = "7300-1.00";

// "7300-1.00" and its NUL; only the new-project defaults write it.
struct ProjectTag : ByteBlock<10> { };
static_assert(sizeof(ProjectTag) == sizeof kProjectTagText);

// Carried unchanged through file and image; the terminal alone gives it meaning.
struct ReservedBlock : ByteBlock<55> { };
static_assert(sizeof(ReservedBlock) == 55);

struct Project {
    static constexpr int kForms = 10;
    static constexpr int kMenus = 10;
    static constexpr int kLookups = 3;

    ProjectTag tag;
    CommSettings comm;
    BarcodeSettings barcode;
    std::array<MenuRecord, kMenus> menus; // menus[0] is menu 1
    std::array<FormRecord, kForms> forms; // forms[0] is form 1
    std::array<LookupRecord, kLookups> lookups;
    MessageArea messages;
    ReservedBlock reserved;
    SystemSettings system;

    // 1 when the project holds changes that have not been saved.
    bool modified = false;
    // The file the project was opened from or last saved to; empty for an unnamed project.
    QString path;
};

// Sets every block except the comm settings, the barcode settings and the reserved block to its
// new-project defaults. Reserved bytes and the bytes behind each text's NUL keep their values.
void NewProject(Project& p);

// Brings all ten forms into a consistent state (lines, lengths, fields by type).
void NormalizeForms(Project& p);

} // namespace vosket
