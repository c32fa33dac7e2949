// One QApplication for the whole suite, on the offscreen platform: the widgets need one, and
// the tests never need a display.
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class WidgetApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "gui_tests";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { application_.reset(); }

private:
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kWidgetEnvironment =
    ::testing::AddGlobalTestEnvironment(new WidgetApplicationEnvironment);

} // namespace
