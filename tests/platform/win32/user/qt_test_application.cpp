// Every test of this program runs inside one QApplication, on the offscreen
// platform so that no window reaches a display and the tests run the same
// with or without one. It is destroyed after the last test, while Qt's own
// globals still exist.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

class QtApplicationEnvironment final : public testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    m_application = std::make_unique<QApplication>(m_argc, m_argv);
  }
  void TearDown() override { m_application.reset(); }

 private:
  int m_argc = 1;
  char m_name[17] = "win32_user_tests";
  char* m_argv[2] = {m_name, nullptr};
  std::unique_ptr<QApplication> m_application;
};

testing::Environment* const g_environment = testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
