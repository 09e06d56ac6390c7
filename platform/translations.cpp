#include "platform/translations.h"

#include "platform/locale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ovrelan {

bool install_russian_qt_translations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

QTranslator* english_translator(QObject* parent) {
    auto* translator = new QTranslator(parent);
    if (!translator->load(QStringLiteral(":/i18n/ovrelan_en.qm"))) {
        delete translator;
        return nullptr;
    }
    return translator;
}

void install_translations(QCoreApplication& app, Language language) {
    write_numbers_of(language);
    if (language == Language::english) {
        if (QTranslator* translator = english_translator(&app)) {
            QCoreApplication::installTranslator(translator);
        }
        return;
    }
    install_russian_qt_translations(app);
}

} // namespace ovrelan
