// Qt's own texts in Chinese: the standard dialogs are user-visible, and all user-visible text
// of the product is Chinese.

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "host/qt/Translation_p.h"

void EnsureQtTranslation() {
    static bool done = false;
    if (done || !qApp) return;
    done = true;
    auto* translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
