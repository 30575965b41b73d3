// GUI tests run offscreen with one application object per process. The
// instance lock lives in a folder of its own, so that tests running side by
// side never see each other as a running program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QTemporaryDir>
#include <clocale>

#include "platform/qt/InstanceLock.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  application.setFont(QFont(QStringLiteral("IPAPGothic"), 9));
  QTemporaryDir lockDirectory;
  SetInstanceLockPath(lockDirectory.filePath(QStringLiteral("Quilmora2025.lock")));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
