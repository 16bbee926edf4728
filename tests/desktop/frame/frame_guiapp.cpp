// The window tests run inside one QApplication, made before any test database wants one.
#include <QApplication>
#include <gtest/gtest.h>

namespace {

class WidgetApplication final : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "frame_window_tests";
        static char* argv[] = { name, nullptr };
        if (!QCoreApplication::instance())
            application = new QApplication(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
    }

private:
    QApplication* application = nullptr;
};

const auto* environment = ::testing::AddGlobalTestEnvironment(new WidgetApplication);

} // namespace
