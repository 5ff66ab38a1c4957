// SPDX-License-Identifier: MIT
// How an exported picture names its figure: the title in the user's
// language, and the plain name that goes into file names.
#pragma once

#include <QString>

#include "geometry/view_state.h"

// "Hélice", "Hélice cónica", "Hélice esférica", as the curve buttons say;
// empty for no figure.
QString FigureTitle(CurveKind figure);

// "Ángulo = 60º", as the angle label says.
QString AngleTitle(int angleDeg);

// The caption of a printed picture: "Hélice cónica — Ángulo = 60º".
QString PictureCaption(CurveKind figure, int angleDeg);

// What the flat picture of a figure shows, said for a screen reader and
// under a printed flat picture: "Desarrollo del cilindro: la hélice es una
// recta"; empty for no figure.
QString FlatTitle(CurveKind figure);

// The caption of a flat picture alone: "Desarrollo del cono: … — Ángulo = 60º".
QString FlatCaption(CurveKind figure, int angleDeg);

// "torsiva-helice-conica-60.png": ASCII only, so that it survives any file
// system and any shell.
QString SuggestedPictureName(CurveKind figure, int angleDeg);
