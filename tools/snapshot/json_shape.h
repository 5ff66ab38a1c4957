// SPDX-License-Identifier: MIT
// What QJsonDocument does not tell: whether an object repeats a key (the
// parser silently keeps one of them), and how many values the outermost
// array holds before anything is built from them.
#pragma once

#include <QByteArray>

struct JsonShape {
    qsizetype topLevelValues = 0; // values in the outermost array
    bool duplicateKey = false;    // some object has a key twice
};

// Scans the text once without building it. Any bytes are safe to scan; for
// text that is not valid JSON the result means nothing, so callers also
// parse it.
JsonShape ScanJsonShape(const QByteArray& json);
