// SPDX-License-Identifier: MIT
#include "tools/snapshot/script_reader.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "render/figure_names.h"
#include "tools/snapshot/native_name.h"
#include "tools/snapshot/one_line.h"

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ScriptReader", text); }

// Longer than any key or figure name a script knows, so a string is kept only
// up to this many bytes: a longer one matches nothing, however long it is.
constexpr qsizetype kKeptStringBytes = 32;

// Beyond this a power of ten is as good as infinite: no whole number that
// fits an int has more digits.
constexpr int64_t kHugeExponent = 1000000000;

// What is wrong with one action, for the message that names it.
struct Problem {
    enum class Kind { None, NotOneAction, UnknownAction, BadValue, RepeatedKey, BrokenText };
    Kind kind = Kind::None;
    std::string key; // UTF-8
    qsizetype at = 0;

    explicit operator bool() const { return kind != Kind::None; }
};

QString Describe(const Problem& problem)
{
    switch (problem.kind) {
    case Problem::Kind::None:
        break;
    case Problem::Kind::NotOneAction:
        return Tr("no es un objeto con una sola acción");
    case Problem::Kind::UnknownAction:
        return Tr("es una acción desconocida, «%1»")
            .arg(OneLine(QString::fromStdString(problem.key)));
    case Problem::Kind::BadValue:
        return Tr("tiene un valor no válido para «%1»")
            .arg(OneLine(QString::fromStdString(problem.key)));
    case Problem::Kind::RepeatedKey:
        return Tr("repite una clave, «%1»").arg(OneLine(QString::fromStdString(problem.key)));
    case Problem::Kind::BrokenText:
        return Tr("no es JSON válido en el byte %1").arg(problem.at);
    }
    return QString();
}

// The whole number a JSON number's parts spell, exactly: `digits` (those
// before and after the point, in order) times ten to the `scale`. Nothing
// when a fraction is left, however small, or the number does not fit an int:
// 1014, 1014.0 and 1.014e3 are all 1014, 1014.000000000000000001 is none.
std::optional<int> WholeNumber(bool negative, const std::string& digits, int64_t scale)
{
    qsizetype first = 0, last = digits.size();
    while (first < last && digits[first] == '0')
        ++first;
    if (first == last)
        return 0;
    while (digits[last - 1] == '0') {
        --last;
        ++scale;
    }
    const int64_t significant = last - first;
    if (scale < 0 || significant + scale > 10) // more than ten digits overflow an int
        return std::nullopt;
    int64_t value = 0;
    for (qsizetype i = first; i < last; ++i)
        value = value * 10 + (digits[i] - '0');
    for (int64_t i = 0; i < scale; ++i)
        value *= 10;
    if (negative)
        value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

// The script's text read as strict JSON (RFC 8259, a leading byte-order mark
// allowed) in one pass, each value checked against the action it belongs to
// as soon as it is read. No document tree is built and nothing longer than a
// key is kept, so a fault costs no more memory than the text itself, and the
// reading stops where the script first goes wrong, however deep or long.
class ScriptText {
public:
    explicit ScriptText(const QByteArray& json) : m_text(json) {}

    // Reads the whole script, handing each action to `actions` unless it is
    // null; `count` is how many there are. Returns the error, or nothing.
    QString Read(ScriptActions* actions, qsizetype& count)
    {
        count = 0;
        if (m_text.startsWith("\xEF\xBB\xBF"))
            m_at = 3;
        if (!Take('['))
            return Tr("no es una lista JSON de acciones");
        if (!Take(']')) {
            for (;;) {
                if (count == kMaxScriptActions)
                    return Tr("el guion tiene más de %1 acciones").arg(kMaxScriptActions);
                ScriptAction action;
                if (const Problem problem = ReadAction(action))
                    return Tr("la acción %1 %2").arg(count).arg(Describe(problem));
                if (actions)
                    actions->push_back(action);
                ++count;
                if (Take(']'))
                    break;
                if (!Take(','))
                    return Tr("no es JSON válido en el byte %1: falta «,» o «]»").arg(m_at);
            }
        }
        SkipSpace();
        if (m_at != m_text.size())
            return Tr("no es JSON válido en el byte %1: sigue algo tras la lista").arg(m_at);
        return QString();
    }

private:
    void SkipSpace()
    {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t' ||
                                        m_text[m_at] == '\n' || m_text[m_at] == '\r'))
            ++m_at;
    }
    bool At(char c)
    {
        SkipSpace();
        return m_at < m_text.size() && m_text[m_at] == c;
    }
    bool Take(char c)
    {
        if (!At(c))
            return false;
        ++m_at;
        return true;
    }
    bool IsDigit() const
    {
        return m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9';
    }
    // Appends the digits from here on; false if there is none.
    bool TakeDigits(std::string& digits)
    {
        const qsizetype first = m_at;
        for (; IsDigit(); ++m_at)
            digits += m_text[m_at];
        return m_at > first;
    }

    // A string, its escapes decoded, as UTF-8 kept up to kKeptStringBytes (a
    // longer one ends in "…", so that it matches no name). False if there is
    // no well-formed string here.
    bool ReadString(std::string& text)
    {
        if (!Take('"'))
            return false;
        text.clear();
        bool cut = false;
        const auto keep = [&](std::string_view bytes) {
            cut = cut || text.size() + bytes.size() > size_t(kKeptStringBytes);
            if (!cut)
                text += bytes;
        };
        for (;;) {
            if (m_at >= m_text.size())
                return false;
            const char c = m_text[m_at++];
            if (c == '"')
                break;
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c != '\\') {
                keep(std::string_view(&c, 1));
                continue;
            }
            if (m_at >= m_text.size())
                return false;
            const char escape = m_text[m_at++];
            switch (escape) {
            case '"':
            case '\\':
            case '/':
                keep(std::string_view(&escape, 1));
                break;
            case 'b':
                keep("\b");
                break;
            case 'f':
                keep("\f");
                break;
            case 'n':
                keep("\n");
                break;
            case 'r':
                keep("\r");
                break;
            case 't':
                keep("\t");
                break;
            case 'u': {
                const std::optional<char16_t> unit = HexUnit();
                if (!unit)
                    return false;
                keep(QString(QChar(*unit)).toStdString());
                break;
            }
            default:
                return false;
            }
        }
        if (cut)
            text += "…";
        return true;
    }

    // The four hexadecimal digits of a \u escape.
    std::optional<char16_t> HexUnit()
    {
        if (m_text.size() - m_at < 4)
            return std::nullopt;
        char16_t unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_text[m_at++];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0)
                return std::nullopt;
            unit = char16_t(unit * 16 + digit);
        }
        return unit;
    }

    // A JSON number that is a whole number and fits an int.
    bool ReadInt(int& out)
    {
        SkipSpace();
        const bool negative = m_at < m_text.size() && m_text[m_at] == '-';
        if (negative)
            ++m_at;
        std::string digits; // short enough for every valid number to need no allocation
        if (IsDigit() && m_text[m_at] == '0') {
            digits += '0';
            ++m_at;
        } else if (!TakeDigits(digits)) {
            return false;
        }
        int64_t scale = 0;
        if (m_at < m_text.size() && m_text[m_at] == '.') {
            ++m_at;
            const size_t before = digits.size();
            if (!TakeDigits(digits))
                return false;
            scale -= int64_t(digits.size() - before);
        }
        if (m_at < m_text.size() && (m_text[m_at] == 'e' || m_text[m_at] == 'E')) {
            ++m_at;
            const bool down = m_at < m_text.size() && m_text[m_at] == '-';
            if (m_at < m_text.size() && (m_text[m_at] == '-' || m_text[m_at] == '+'))
                ++m_at;
            if (!IsDigit())
                return false;
            int64_t exponent = 0;
            for (; IsDigit(); ++m_at)
                exponent = std::min(kHugeExponent, exponent * 10 + (m_text[m_at] - '0'));
            scale += down ? -exponent : exponent;
        }
        const std::optional<int> value = WholeNumber(negative, digits, scale);
        if (!value)
            return false;
        out = *value;
        return true;
    }

    // [X, Y]
    bool ReadPoint(ScreenPoint& point)
    {
        return Take('[') && ReadInt(point.x) && Take(',') && ReadInt(point.y) && Take(']');
    }

    // A curve button: one of the three figures, never "none".
    bool ReadFigure(CurveKind& figure)
    {
        std::string name;
        if (!At('"') || !ReadString(name))
            return false;
        const auto kind = FigureFromName(name);
        if (!kind || *kind == CurveKind::None)
            return false;
        figure = *kind;
        return true;
    }

    // {"bar": N, "code": 0..8, "pos": N}, "pos" optional and nothing else.
    Problem ReadScroll(ScriptAction& action)
    {
        const Problem bad{Problem::Kind::BadValue, "scroll"};
        if (!Take('{') || !At('"'))
            return bad;
        constexpr unsigned kBar = 1, kCode = 2, kPos = 4;
        unsigned seen = 0;
        int code = -1;
        do {
            std::string key;
            if (!At('"') || !ReadString(key))
                return bad;
            const unsigned which = key == "bar"    ? kBar
                                   : key == "code" ? kCode
                                   : key == "pos"  ? kPos
                                                   : 0u;
            if (which == 0)
                return bad;
            if (seen & which)
                return {Problem::Kind::RepeatedKey, key};
            seen |= which;
            int& value = which == kBar ? action.bar : which == kCode ? code : action.pos;
            if (!Take(':') || !ReadInt(value))
                return bad;
        } while (Take(','));
        if (!Take('}') || !(seen & kBar) || !(seen & kCode) || code < 0 ||
            code > int(kMaxScrollCode))
            return bad;
        action.code = unsigned(code);
        return {};
    }

    // The value of the action named `key`, which it sets.
    Problem ReadArgument(const std::string& key, ScriptAction& action)
    {
        const Problem bad{Problem::Kind::BadValue, key};
        if (key == "button") {
            action.kind = ScriptAction::Kind::Button;
            return ReadFigure(action.figure) ? Problem{} : bad;
        }
        if (key == "scroll") {
            action.kind = ScriptAction::Kind::Scroll;
            return ReadScroll(action);
        }
        action.kind = key == "press"  ? ScriptAction::Kind::Press
                      : key == "move" ? ScriptAction::Kind::Move
                                      : ScriptAction::Kind::Release;
        return ReadPoint(action.cursor) ? Problem{} : bad;
    }

    // One action object with exactly one key.
    Problem ReadAction(ScriptAction& action)
    {
        const Problem notOne{Problem::Kind::NotOneAction, {}};
        if (!Take('{') || !At('"'))
            return notOne;
        std::string key;
        if (!ReadString(key) || !Take(':'))
            return {Problem::Kind::BrokenText, {}, m_at};
        static const char* const kActions[] = {"button", "scroll", "press", "move", "release"};
        bool known = false;
        for (const char* name : kActions)
            known = known || key == name;
        if (!known)
            return {Problem::Kind::UnknownAction, key};
        if (const Problem problem = ReadArgument(key, action))
            return problem;
        if (Take('}'))
            return {};
        std::string second;
        if (Take(',') && At('"') && ReadString(second) && second == key)
            return {Problem::Kind::RepeatedKey, key};
        return notOne;
    }

    const QByteArray& m_text;
    qsizetype m_at = 0;
};

// Devices and pipes report no size, and an endless one such as /dev/zero
// would never end: at most `limit` bytes are read, and a regular file that
// is larger is refused before any is. Returns why it could not read, or
// nothing.
#if defined(Q_OS_UNIX)
QString ReadAtMost(const QString& path, qint64 limit, QByteArray& bytes)
{
    struct Descriptor {
        int number;
        ~Descriptor()
        {
            if (number >= 0)
                ::close(number);
        }
    };
    const auto systemError = [] { return QString::fromLocal8Bit(std::strerror(errno)); };
    const Descriptor file{::open(NativeName(path).constData(), O_RDONLY | O_CLOEXEC)};
    struct stat status {};
    if (file.number < 0 || ::fstat(file.number, &status) != 0)
        return systemError();
    if (S_ISDIR(status.st_mode))
        return Tr("es una carpeta");
    if (S_ISREG(status.st_mode) && status.st_size >= limit)
        return Tr("el guion pasa de %1 bytes").arg(limit - 1);
    // A regular file's size is known, so one read usually does; anything
    // else is given room as it comes.
    bytes.resize(
        qsizetype(std::min<qint64>(limit, S_ISREG(status.st_mode) ? status.st_size + 1 : 65536)));
    qsizetype done = 0;
    while (done < limit) {
        if (done == bytes.size())
            bytes.resize(qsizetype(std::min<qint64>(limit, 2 * qint64(bytes.size()))));
        const ssize_t got = ::read(file.number, bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return systemError();
        if (got == 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return QString();
}
#else
QString ReadAtMost(const QString& path, qint64 limit, QByteArray& bytes)
{
    const QFileInfo info(path);
    if (info.isDir())
        return Tr("es una carpeta");
    if (info.isFile() && info.size() >= limit)
        return Tr("el guion pasa de %1 bytes").arg(limit - 1);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    bytes = file.read(limit);
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}
#endif

} // namespace

std::optional<ScriptActions> ParseScript(const QByteArray& json, QString& error)
{
    if (json.size() > kMaxScriptBytes) {
        error = Tr("el guion pasa de %1 bytes").arg(kMaxScriptBytes);
        return std::nullopt;
    }
    // Read once to check it, keeping nothing, and only when it is good once
    // more to keep its actions: a refused script costs no more memory than
    // its text, however late in it the fault comes.
    qsizetype count = 0;
    error = ScriptText(json).Read(nullptr, count);
    if (!error.isEmpty())
        return std::nullopt;
    ScriptActions actions;
    actions.reserve(size_t(count));
    ScriptText(json).Read(&actions, count);
    return actions;
}

std::optional<ScriptActions> ReadScriptFile(const QString& path, QString& error)
{
    const auto fail = [&](const QString& reason) {
        error = QStringLiteral("%1: %2").arg(OneLine(path), reason);
        return std::nullopt;
    };
    if (path.isEmpty()) {
        error = Tr("--script necesita el nombre de un archivo");
        return std::nullopt;
    }
    QByteArray json;
    if (const QString reason = ReadAtMost(path, kMaxScriptBytes + 1, json); !reason.isEmpty())
        return fail(reason);
    const auto actions = ParseScript(json, error);
    if (!actions)
        error = QStringLiteral("%1: %2").arg(OneLine(path), error);
    return actions;
}
