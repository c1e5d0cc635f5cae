#include "ui/toolkit_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include "ui/card_faces.h"

namespace zarvane {

namespace {

// Qt's words are English at the source, so English needs no translator; without the
// translations package French boxes stay English rather than fail.
void UseQtTranslations(int language) {
  static QPointer<QTranslator> installed;
  if (installed) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
  }
  if (language != 1)
    return;
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QStringLiteral("qtbase_fr"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
    installed = translator;
  } else {
    delete translator;
  }
}

}  // namespace

void UseToolkitLanguage(int language) {
  UseQtTranslations(language);
  CardFaces().UseLanguage(language);
}

}  // namespace zarvane
