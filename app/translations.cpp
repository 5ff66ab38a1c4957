// SPDX-License-Identifier: MIT
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The locale gettext would use for messages: the first of these that is set.
QString MessagesLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("C");
}

// Loads `file`_<locale>.qm, or the file of the locale's bare language, from
// `directory` into a new translator of `app`; when there is none, nothing is
// installed.
void Install(QCoreApplication& app, const QLocale& locale, const QString& file,
             const QString& directory)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, file, QStringLiteral("_"), directory))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

QLocale SourceLocale() { return QLocale(QLocale::Spanish, QLocale::Spain); }

QLocale ProgramLocale(const QString& messagesLocale, const QStringList& uiLanguages)
{
    const QLocale spanish = SourceLocale();
    if (QLocale(messagesLocale).language() == QLocale::C || uiLanguages.isEmpty())
        return spanish;
    const QLocale first(uiLanguages.first());
    return first.language() == QLocale::English ? first : spanish;
}

QLocale UserProgramLocale() { return ProgramLocale(MessagesLocale(), QLocale().uiLanguages()); }

void InstallTranslations(QCoreApplication& app, const QLocale& locale)
{
    // Numbers the program writes (the measured angle's decimal comma or
    // point) follow the language it speaks.
    QLocale::setDefault(locale);
    if (locale.language() != QLocale::Spanish)
        Install(app, locale, QStringLiteral("torsiva"), QStringLiteral(":/i18n"));
    Install(app, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
