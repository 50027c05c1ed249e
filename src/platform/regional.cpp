#include "platform/regional.h"

#include <cstdio>

namespace platform {

std::string FixedRegional::dateTimeText(const LocalDateTime& t) const
{
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", t.day, t.month, t.year, t.hour, t.minute,
                  t.second);
    return text;
}

}  // namespace platform
