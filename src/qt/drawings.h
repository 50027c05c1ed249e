#pragma once
#include <QPainter>
#include <QRect>
#include <functional>
#include <map>
#include <string>

namespace qt {

// The program's drawings by name, as picture boxes show them. A picture
// box asks for its drawing on every repaint; a name without a drawing
// shows an empty box.
class Drawings {
public:
    using Draw = std::function<void(QPainter&, const QRect&)>;

    // The drawings every view uses.
    static Drawings& shared();

    void add(const std::string& name, Draw draw) { drawings_[name] = std::move(draw); }
    bool has(const std::string& name) const { return drawings_.count(name) != 0; }
    // Draws the named drawing into the rectangle; false if there is none.
    bool draw(const std::string& name, QPainter& painter, const QRect& area) const;

private:
    std::map<std::string, Draw> drawings_;
};

}  // namespace qt
