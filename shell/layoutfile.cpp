#include "layoutfile.h"

#include "platform/convert.h"

#include <algorithm>

LayoutFile::LayoutFile(platform::StringList lines)
    : m_lines(std::move(lines))
{
}

int LayoutFile::value(int line) const
{
    return std::clamp(platform::toInteger(m_lines.at(line)), -maximumPixels, maximumPixels);
}

QRect LayoutFile::rect(int first) const
{
    const int width = value(first);
    const int height = value(first + 1);
    const int top = value(first + 2);
    const int left = value(first + 3);
    return QRect(left, top, width, height);
}
