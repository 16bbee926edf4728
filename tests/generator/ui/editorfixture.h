#pragma once
// The editor's pages and dialogs on a new project, offscreen, with their modal dialogs and message
// boxes scripted; controls found by their object names.
#include "generator/project/barcodesettings.h"
#include "generator/project/project.h"
#include "generator/ui/barcodecontrols.h"
#include "tests/generator/ui/widgetapp.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/scriptedmodal.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

namespace testsupport {

// The control of that name, failing the test when it is missing.
template <typename T> T* Control(QWidget* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        ADD_FAILURE() << "no control " << name.toStdString();
    return found;
}

// The symbology dialog of that name ("MSIDlg").
inline const vosket::SymbologyKind& Kind(const char* dialog)
{
    for (const auto& entry : vosket::SymbologyKinds()) {
        if (QString::fromLatin1(entry.second.dialog) == dialog)
            return entry.second;
    }
    throw std::logic_error(dialog);
}

class EditorTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureWidgetApplication(); }
    void SetUp() override
    {
        vosket::NewProject(project);
        vosket::ResetBarcodeSettings(project.barcode);
    }

    vosket::FormRecord& form(int n) { return project.forms[static_cast<std::size_t>(n - 1)]; }

    vosket::Project project;
    ScriptedModal modal;
    ScriptedDialogs dialogs;
};

} // namespace testsupport
