// The headless frame tests run inside one QCoreApplication (timers, processes, SQL drivers).
#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

class CoreApplication final : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "frame_logic_tests";
        static char* argv[] = { name, nullptr };
        if (!QCoreApplication::instance())
            application = new QCoreApplication(argc, argv);
    }

private:
    QCoreApplication* application = nullptr;
};

const auto* environment = ::testing::AddGlobalTestEnvironment(new CoreApplication);

} // namespace
