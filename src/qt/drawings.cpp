#include "qt/drawings.h"

namespace qt {

Drawings& Drawings::shared()
{
    static Drawings drawings;
    return drawings;
}

bool Drawings::draw(const std::string& name, QPainter& painter, const QRect& area) const
{
    auto it = drawings_.find(name);
    if (it == drawings_.end() || !it->second)
        return false;
    painter.save();
    it->second(painter, area);
    painter.restore();
    return true;
}

}  // namespace qt
