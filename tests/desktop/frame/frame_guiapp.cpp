// The window tests run inside one QApplication, made before any test database wants one.
#include "tests/support/application.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

class WidgetApplication final : public ::testing::Environment {
public:
    void SetUp() override
    {
        testsupport::ensureApp<QApplication>();
        QApplication::setQuitOnLastWindowClosed(false);
    }
};

const auto* environment = ::testing::AddGlobalTestEnvironment(new WidgetApplication);

} // namespace
