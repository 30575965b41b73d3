#pragma once
// Qt's own texts (the standard buttons はい / いいえ / キャンセル, the file
// dialogs) in Japanese, from the translations installed with Qt.
class QCoreApplication;

// Loads Qt's Japanese translations into the application; false when they are
// not installed (the standard texts then stay English).
bool InstallJapaneseQtTranslations(QCoreApplication& application);
