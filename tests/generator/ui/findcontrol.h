#pragma once
// Finds a control of the editor's pages and dialogs by its object name, failing the test when it
// is missing.
#include <QWidget>
#include <gtest/gtest.h>

namespace testsupport {

template <typename T> T* Control(QWidget* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        ADD_FAILURE() << "no control " << name.toStdString();
    return found;
}

} // namespace testsupport
