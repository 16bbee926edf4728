#include "generator/project/project.h"

#include <algorithm>

namespace vosket {

void NewProject(Project& p)
{
    std::copy(std::begin(kProjectTagText), std::end(kProjectTagText), p.tag.bytes.begin());
    for (int n = 1; n <= Project::kForms; ++n)
        p.forms[static_cast<std::size_t>(n - 1)].applyDefaults(n);
    for (MenuRecord& m : p.menus)
        m.applyDefaults();
    for (LookupRecord& l : p.lookups)
        l.applyDefaults();
    p.system.applyDefaults();
    p.messages.applyDefaults();
}

void NormalizeForms(Project& p)
{
    for (FormRecord& f : p.forms)
        f.normalize();
}

} // namespace vosket
