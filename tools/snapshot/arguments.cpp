#include "tools/snapshot/arguments.h"

#include <cmath>
#include <cstdlib>
#include <map>

const char* const kSnapshotUsage =
    "usage: torsiva-snapshot (--figure none|helix|conical|spherical [--angle N] [--zoom Z]\n"
    "                         [--eye X,Y,Z] [--up X,Y,Z] | --script FILE.json)\n"
    "                        --out FILE.png [--ops FILE.txt]";

namespace {

bool ParseDouble(const std::string& text, double& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return *end == '\0' && std::isfinite(value);
}

bool ParseVector(const std::string& text, Vec3& v)
{
    const size_t first = text.find(',');
    const size_t second = first == std::string::npos ? first : text.find(',', first + 1);
    if (second == std::string::npos)
        return false;
    return ParseDouble(text.substr(0, first), v.x) &&
           ParseDouble(text.substr(first + 1, second - first - 1), v.y) &&
           ParseDouble(text.substr(second + 1), v.z);
}

bool ParseFigure(const std::string& text, CurveKind& figure)
{
    static const std::map<std::string, CurveKind> names = {
        {"none", CurveKind::None},
        {"helix", CurveKind::Helix},
        {"conical", CurveKind::ConicalHelix},
        {"spherical", CurveKind::SphericalHelix},
    };
    const auto found = names.find(text);
    if (found == names.end())
        return false;
    figure = found->second;
    return true;
}

// Applies one flag and its value; returns an error line, empty on success.
std::string Apply(SnapshotArguments& args, const std::string& flag, const std::string& value)
{
    double number = 0.0;
    if (flag == "--figure")
        return ParseFigure(value, args.figure) ? "" : "unknown figure '" + value + "'";
    if (flag == "--angle") {
        if (!ParseDouble(value, number) || number != std::floor(number))
            return "--angle takes a whole number, not '" + value + "'";
        if (number < 0 || number > 89)
            return "--angle must lie from 0 to 89, not " + value;
        args.angleDeg = int(number);
        return "";
    }
    if (flag == "--zoom") {
        if (!ParseDouble(value, number))
            return "--zoom takes a number, not '" + value + "'";
        if (number < 0 || number > 100)
            return "--zoom must lie from 0 to 100, not " + value;
        args.zoom = number;
        return "";
    }
    if (flag == "--eye") {
        if (!ParseVector(value, args.eye))
            return "--eye takes X,Y,Z, not '" + value + "'";
        return Length(args.eye) > 0 ? "" : "--eye must not be the origin";
    }
    if (flag == "--up")
        return ParseVector(value, args.up) ? "" : "--up takes X,Y,Z, not '" + value + "'";
    if (flag == "--out")
        args.out = value;
    else if (flag == "--ops")
        args.ops = value;
    else if (flag == "--script")
        args.script = value;
    else
        return "unknown option '" + flag + "'";
    return "";
}

} // namespace

std::optional<SnapshotArguments> ParseArguments(int argc, char** argv, std::string& error)
{
    SnapshotArguments args;
    for (int i = 1; i < argc; i += 2) {
        const std::string flag = argv[i];
        if (i + 1 >= argc) {
            error = flag.rfind("--", 0) == 0 ? flag + " needs a value"
                                             : "unknown option '" + flag + "'";
            return std::nullopt;
        }
        error = Apply(args, flag, argv[i + 1]);
        args.viewGiven =
            args.viewGiven || (flag != "--out" && flag != "--ops" && flag != "--script");
        if (!error.empty())
            return std::nullopt;
    }
    if (!args.script.empty() && args.viewGiven) {
        error = "--script replays from the start of a run and takes no view options";
        return std::nullopt;
    }
    if (args.out.empty()) {
        error = "--out FILE.png is required";
        return std::nullopt;
    }
    if (args.script.empty() && Length(Cross(args.up, args.eye)) == 0.0) {
        error = "--up must not be zero or lie along the line of sight";
        return std::nullopt;
    }
    return args;
}
