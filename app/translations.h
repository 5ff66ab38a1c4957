// SPDX-License-Identifier: MIT
// The language the program speaks. Spanish is the language of the source
// texts; English comes from translations/torsiva_en.ts, built into the
// program as :/i18n/torsiva_en.qm.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The language of the source texts, which needs no translation of ours:
// Spanish, as spoken in Spain.
QLocale SourceLocale();

// The locale whose language the program speaks: the user's first UI language
// when it is English (with its variant, en_GB say), Spanish otherwise. Every
// other language is Spanish too: an English entry further down the list is
// only a fallback. `messagesLocale` is the locale the environment gives for
// messages (LC_ALL, LC_MESSAGES or LANG); when it is C, POSIX or a locale Qt
// does not know, the UI languages (from LANGUAGE) are ignored, as gettext
// programs do, and the program stays Spanish.
QLocale ProgramLocale(const QString& messagesLocale, const QStringList& uiLanguages);

// ProgramLocale for this process's environment and Qt's system locale.
QLocale UserProgramLocale();

// Installs on `app` our translation for `locale` (none for Spanish) and Qt's
// own, when it is installed, so that Qt's standard texts (the command-line
// help, for one) speak the same language. The translators are children of
// `app`.
void InstallTranslations(QCoreApplication& app, const QLocale& locale);
