// SPDX-License-Identifier: MIT
// The angle label's text, "Ángulo = 60º". Spanish is the source language;
// a translated shell looks the format up in its translations under the
// context and text given here, so the words exist once.
#pragma once

#include <string>

// Marks a text for the translation tools and stands for the text itself:
// Qt's own definition, word for word, so that either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

constexpr const char* kFigureTitlesContext = "FigureTitles";
constexpr const char* kAngleLabelFormat = QT_TRANSLATE_NOOP("FigureTitles", "Ángulo = %1º");

// The label in Spanish, for panels without a translated shell: the format
// with the angle in place of its %1.
std::string AngleText(int angleDeg);
