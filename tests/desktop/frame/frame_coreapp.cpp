// The headless frame tests run inside one QCoreApplication (timers, processes, SQL drivers).
#include "tests/support/application.h"

#include <gtest/gtest.h>

namespace {

class CoreApplication final : public ::testing::Environment {
public:
    void SetUp() override { testsupport::ensureApp<QCoreApplication>(); }
};

const auto* environment = ::testing::AddGlobalTestEnvironment(new CoreApplication);

} // namespace
