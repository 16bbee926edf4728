#pragma once
// The layout the editor's OK gives the forms: a long field spreads over the continuation lines
// that follow it, and every line without a field of its own loses its attributes.
#include "generator/project/project.h"

namespace vosket {

// A typed field goes on over at most this many continuation lines; a passed-on text over all
// that follow.
inline constexpr int kMaxContinuations = 3;

// Lays out the lines of all ten forms (4 lines of 12 bytes for a large font, else 8 of 16).
void LayoutForms(Project& p);

// 8 when lookup file 1 is defined (record length and field count both set), else 7.
int SystemToolsItemCount(const Project& p);

// The bytes of a line's prompt that count for its layout, at most 20.
int PromptLength(const FormRecord& form, int line);

} // namespace vosket
