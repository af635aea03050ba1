// The main of every widget test: the same fresh program folder and locale as a core test, then a
// QApplication on the offscreen platform (unless the caller chose another one).

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QByteArray>
#include <filesystem>
#include <string>

#include "shell/tests/support/TijdelijkeMap.h"

namespace {

// The offscreen platform says so for every window that asks for something only a real screen
// does; those lines drown the test output and tell nothing.
void Berichten(QtMsgType soort, const QMessageLogContext& context, const QString& tekst) {
  if (tekst.startsWith(QLatin1String("This plugin does not support"))) return;
  std::fputs(qFormatLogMessage(soort, context, tekst).toLocal8Bit().constData(), stderr);
  std::fputc('\n', stderr);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const std::string map = orvan::test::ZetTestOmgeving();
  const std::string runtime = map + "run";
  mkdir(runtime.c_str(), 0700);
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(Berichten);
  int resultaat = 0;
  {
    QApplication app(argc, argv);
    resultaat = RUN_ALL_TESTS();
  }
  std::error_code ec;
  std::filesystem::remove_all(map, ec);
  return resultaat;
}
