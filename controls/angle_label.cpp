// SPDX-License-Identifier: MIT
#include "controls/angle_label.h"

std::string AngleText(int angleDeg)
{
    std::string text = kAngleLabelFormat;
    const std::string::size_type at = text.find("%1");
    return text.replace(at, 2, std::to_string(angleDeg));
}
