// SPDX-License-Identifier: MIT
#include "tools/snapshot/json_shape.h"

#include <set>
#include <vector>

#include <QJsonArray>
#include <QJsonDocument>
#include <QString>

namespace {

struct Container {
    bool object = false;
    bool expectKey = false;  // in an object: the next string is a key
    bool expectValue = true; // in an array: the next token starts a value
    std::set<QString> keys;
};

// A key as JSON means it: escapes decoded, so that "a" and "\u0061" match.
QString DecodeKey(const QByteArray& quoted)
{
    if (!quoted.contains('\\'))
        return QString::fromUtf8(quoted.mid(1, quoted.size() - 2));
    const QJsonDocument wrapped = QJsonDocument::fromJson("[" + quoted + "]");
    return wrapped.array().at(0).toString();
}

// Index just past the string that starts with the quote at `start`.
qsizetype StringEnd(const QByteArray& json, qsizetype start)
{
    qsizetype i = start + 1;
    while (i < json.size() && json[i] != '"')
        i += json[i] == '\\' ? 2 : 1;
    return std::min(i + 1, json.size());
}

} // namespace

JsonShape ScanJsonShape(const QByteArray& json)
{
    JsonShape shape;
    std::vector<Container> open;
    for (qsizetype i = 0; i < json.size() && !shape.duplicateKey;) {
        const char c = json[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            ++i;
            continue;
        }
        Container* top = open.empty() ? nullptr : &open.back();
        if (top && !top->object && top->expectValue && c != ']' && c != ',') {
            top->expectValue = false;
            if (open.size() == 1)
                ++shape.topLevelValues;
        }
        if (c == '"') {
            const qsizetype end = StringEnd(json, i);
            if (top && top->object && top->expectKey) {
                top->expectKey = false;
                shape.duplicateKey = !top->keys.insert(DecodeKey(json.mid(i, end - i))).second;
            }
            i = end;
            continue;
        }
        if (c == '{' || c == '[') {
            Container inner;
            inner.object = c == '{';
            inner.expectKey = inner.object;
            open.push_back(std::move(inner));
        } else if ((c == '}' || c == ']') && !open.empty()) {
            open.pop_back();
        } else if (c == ',' && top) {
            top->expectKey = top->object;
            top->expectValue = !top->object;
        }
        ++i;
    }
    return shape;
}
