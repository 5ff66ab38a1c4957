// SPDX-License-Identifier: MIT
// The program's language: which one a user gets, and the English translation
// built into the program.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QScrollBar>
#include <QTranslator>

#include "app/translations.h"
#include "torsiva_version.h"
#include "ui/about_dialog.h"
#include "ui/figure_dialog.h"
#include "ui/instructions_dialog.h"

namespace {

QLocale::Language LanguageFor(const char* messagesLocale, const QStringList& uiLanguages)
{
    return ProgramLocale(QString::fromLatin1(messagesLocale), uiLanguages).language();
}

// The ten pieces of the Instructions text, each translated on its own.
const char* const kInstructionPieces[] = {
    "\n1. Curvas:\n",
    "    Se elige la curva a representar. Cada vez que se presiona se iniciliza la figura.\n",
    "\n2. Botón izquierdo del ratón:\n",
    "    Pulsándolo sobre un punto de la imagen y arrastrando sin soltar la imagen se mueve.\n",
    "\n3. Barra A\n",
    "    Se elige el ángulo que forma la curva con las generatrices del objeto base: cilindro, "
    "cono o esfera.\n",
    "\n4. Barra Z\n",
    "    Se amplía o encoge la imagen. Solo cambia el tamaño.\n",
    "\n5. Barra P\n",
    "    Se modifica la perspectiva alejando o acercando el ojo del observador al objeto. Cuanto "
    "menos es la distancia más se distorsiona la imagen.\n",
};

class EnglishTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(english.load(QStringLiteral(":/i18n/torsiva_en.qm"))); }

    // The English for a Spanish text of the shell; empty when there is none.
    QString English(const char* context, const QString& spanish)
    {
        return english.translate(context, spanish.toUtf8().constData());
    }

    // Every text a dialog shows has its English, in one of the contexts its
    // texts come from.
    void ExpectEveryTextTranslated(const QWidget& dialog,
                                   std::initializer_list<const char*> contexts)
    {
        QStringList texts{dialog.windowTitle()};
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            texts << button->text();
        for (const QGroupBox* box : dialog.findChildren<QGroupBox*>())
            texts << box->title();
        for (const QScrollBar* bar : dialog.findChildren<QScrollBar*>())
            texts << bar->accessibleName();
        for (const QMenu* menu : dialog.findChildren<QMenu*>())
            for (const QAction* action : menu->actions())
                if (!action->isSeparator())
                    texts << action->text();
        for (const QString& text : texts) {
            bool found = false;
            for (const char* context : contexts)
                found = found || !English(context, text).isEmpty();
            EXPECT_TRUE(found) << text.toStdString();
        }
    }

    QTranslator english;
};

} // namespace

TEST(ProgramLocaleTest, EnglishOnlyWhenItIsTheFirstUiLanguage)
{
    EXPECT_EQ(LanguageFor("en_US.UTF-8", {"en-US", "en-Latn-US", "en"}), QLocale::English);
    EXPECT_EQ(LanguageFor("en_GB.UTF-8", {"en-GB", "en-Latn-GB"}), QLocale::English);
    EXPECT_EQ(LanguageFor("de_DE.UTF-8", {"en-US", "de-DE"}), QLocale::English)
        << "LANGUAGE=en_US:de under a German locale";

    EXPECT_EQ(LanguageFor("es_ES.UTF-8", {"es-ES", "es-Latn-ES", "es"}), QLocale::Spanish);
    EXPECT_EQ(LanguageFor("de_DE.UTF-8", {"de-DE", "de-Latn-DE", "de"}), QLocale::Spanish);
    EXPECT_EQ(LanguageFor("de_DE.UTF-8", {"de", "de-DE", "en", "en-US"}), QLocale::Spanish)
        << "English as a fallback after German";
    EXPECT_EQ(LanguageFor("fr_FR.UTF-8", {"fr-FR", "en-US"}), QLocale::Spanish);
    EXPECT_EQ(LanguageFor("en_US.UTF-8", {}), QLocale::Spanish);
}

TEST(ProgramLocaleTest, CPosixAndUnknownLocalesAreSpanish)
{
    EXPECT_EQ(LanguageFor("C", {"C"}), QLocale::Spanish);
    EXPECT_EQ(LanguageFor("C.UTF-8", {"C"}), QLocale::Spanish);
    EXPECT_EQ(LanguageFor("POSIX", {"C"}), QLocale::Spanish);
    EXPECT_EQ(LanguageFor("xx_YY.UTF-8", {"xx-YY", "C"}), QLocale::Spanish);
    // LANGUAGE does not count under the C locale, as for gettext programs.
    EXPECT_EQ(LanguageFor("C", {"en", "en-Latn-US", "en-US"}), QLocale::Spanish);
    EXPECT_EQ(LanguageFor("C.UTF-8", {"en-GB"}), QLocale::Spanish);
}

TEST(ProgramLocaleTest, EnglishKeepsTheUsersVariant)
{
    EXPECT_EQ(ProgramLocale("en_GB.UTF-8", {"en-GB", "en-Latn-GB"}).territory(),
              QLocale::UnitedKingdom);
}

TEST_F(EnglishTest, TheAngleLabelAndTheLicence)
{
    EXPECT_EQ(English("FigureTitles", QStringLiteral("Ángulo = %1º")).arg(60),
              QStringLiteral("Angle = 60\u00b0"));
    EXPECT_EQ(English("CAboutDlg", QStringLiteral("Licencia MIT")), QStringLiteral("MIT License"));
    EXPECT_EQ(English("CAboutDlg", QStringLiteral("Versión %1")).arg(TORSIVA_VERSION),
              QStringLiteral("Version " TORSIVA_VERSION));
    EXPECT_EQ(English("CFigureDlg", QStringLiteral("&Acerca de torsiva...")),
              QStringLiteral("&About torsiva..."));
}

TEST_F(EnglishTest, EveryTextOfTheMainDialogHasItsEnglish)
{
    CFigureDlg dialog;
    ExpectEveryTextTranslated(dialog, {"CFigureDlg", "FigureTitles", "PictureExportActions"});
}

TEST_F(EnglishTest, EveryTextOfTheSmallDialogsHasItsEnglish)
{
    CFigureDlg parent;
    CInstructionsDlg instructions(&parent);
    ExpectEveryTextTranslated(instructions, {"CInstructionsDlg"});
    CAboutDlg about(&parent);
    ExpectEveryTextTranslated(about, {"CAboutDlg"});
    EXPECT_EQ(English("CAboutDlg", QStringLiteral("Torsiva")), QStringLiteral("Torsiva"));
}

TEST_F(EnglishTest, InstructionsTranslatePieceByPieceWithTheirLayout)
{
    QString spanish;
    for (const char* piece : kInstructionPieces) {
        const QString source = QString::fromUtf8(piece);
        spanish += source;
        const QString translated = English("CInstructionsDlg", source);
        SCOPED_TRACE(source.toStdString());
        ASSERT_FALSE(translated.isEmpty());
        EXPECT_NE(translated, source);
        // Headings keep their blank line, paragraphs their indent, both their
        // closing line feed.
        EXPECT_EQ(translated.startsWith(u'\n'), source.startsWith(u'\n'));
        EXPECT_EQ(translated.startsWith(QStringLiteral("    ")),
                  source.startsWith(QStringLiteral("    ")));
        EXPECT_TRUE(translated.endsWith(u'\n'));
        EXPECT_EQ(translated.count(u'\n'), source.count(u'\n'));
    }
    EXPECT_EQ(spanish, CInstructionsDlg::InstructionsText())
        << "the pieces are the ones the dialog shows";
}

// The Spanish text sets the size of its box; the English must wrap into no
// more lines than the Spanish does.
TEST_F(EnglishTest, EnglishInstructionsNeedNoMoreRoomThanSpanish)
{
    QString text;
    for (const char* piece : kInstructionPieces)
        text += English("CInstructionsDlg", QString::fromUtf8(piece));
    CFigureDlg parent;
    CInstructionsDlg instructions(&parent);
    QLabel* box = nullptr;
    // The text box, not the keys list below it.
    for (QLabel* label : instructions.findChildren<QLabel*>())
        if (label->wordWrap() && label->text() == CInstructionsDlg::InstructionsText())
            box = label;
    ASSERT_NE(box, nullptr);
    const int spanishHeight = box->heightForWidth(box->width());
    box->setText(text);
    EXPECT_LE(box->heightForWidth(box->width()), spanishHeight);
}

TEST(InstallTranslationsTest, QtsOwnTextsFollowTheProgramsLanguage)
{
    QApplication& app = *qApp;
    const auto removeAll = [&app] { qDeleteAll(app.findChildren<QTranslator*>()); };

    InstallTranslations(app, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(QCoreApplication::translate("FigureTitles", "Hélice"), QStringLiteral("Helix"));
    removeAll();
    EXPECT_EQ(QCoreApplication::translate("FigureTitles", "Hélice"), QStringLiteral("Hélice"));

    InstallTranslations(app, QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_EQ(QCoreApplication::translate("FigureTitles", "Hélice"), QStringLiteral("Hélice"));
    const bool qtSpanish = QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                         QStringLiteral("/qtbase_es.qm"));
    if (qtSpanish) {
        EXPECT_EQ(QCoreApplication::translate("QCommandLineParser", "Usage: %1"),
                  QStringLiteral("Uso: %1"));
    }
    removeAll();
    if (!qtSpanish)
        GTEST_SKIP() << "Qt's Spanish translation (qt6-translations-l10n) is not installed";
}
