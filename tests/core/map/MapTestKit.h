#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "map/Surface.h"
#include "rooms/Room.h"
#include "world/World.h"

namespace tarnholt {

inline Room& addRoom(World& world, const std::string& identifier, int column, int row)
{
    Room& room = world.rooms.emplace_back();
    room.identifier = identifier, room.column = column, room.row = row;
    return room;
}

inline Exit& setExit(Room& room, int direction, const std::string& target, int placement, int resetState = 0)
{
    Exit& exit = room.exits.edit(static_cast<std::size_t>(direction));
    exit.target = target, exit.placement = placement, exit.resetState = resetState;
    return exit;
}

/// A surface that keeps every drawing call with the state it was drawn in.
class RecordingSurface : public Surface {
public:
    enum class Op { Rectangle, Ellipse, Line, Text, InvertedLine };
    struct State {
        Pen pen;
        Brush brush;
        Color textColor;
        bool textTransparent = false;
        bool operator==(const State&) const = default;
    };
    struct Draw {
        Op op;
        Rect rect;      // rectangle, ellipse, text
        Point from, to; // lines
        std::string text;
        State state;
        bool operator==(const Draw&) const = default;
        /// What the call can touch, widened by the pen.
        Rect extent() const
        {
            if (op != Op::Line && op != Op::InvertedLine)
                return rect.inflated(op == Op::Text ? 0 : 2);
            return Rect{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x), std::max(from.y, to.y)}
                .inflated(2);
        }
    };

    void save() override { ++saves, stack_.push_back(state); }
    void restore() override
    {
        ++restores;
        if (!stack_.empty())
            state = stack_.back(), stack_.pop_back();
    }
    void setPen(const Pen& pen) override { state.pen = pen; }
    void setBrush(const Brush& brush) override { state.brush = brush; }
    void setTextColor(Color color) override { state.textColor = color; }
    void setTextTransparent(bool transparent) override { state.textTransparent = transparent; }
    void drawRectangle(const Rect& r) override { draws.push_back({Op::Rectangle, r, {}, {}, {}, state}); }
    void drawEllipse(const Rect& r) override { draws.push_back({Op::Ellipse, r, {}, {}, {}, state}); }
    void drawLine(Point a, Point b) override { draws.push_back({Op::Line, {}, a, b, {}, state}); }
    void drawText(const Rect& r, const std::string& s) override { draws.push_back({Op::Text, r, {}, {}, s, state}); }
    void drawInvertedLine(Point a, Point b) override { draws.push_back({Op::InvertedLine, {}, a, b, {}, state}); }

    std::vector<Draw> ofKind(Op op) const
    {
        std::vector<Draw> out;
        std::copy_if(draws.begin(), draws.end(), std::back_inserter(out), [op](const Draw& d) { return d.op == op; });
        return out;
    }

    State state;
    std::vector<Draw> draws;
    int saves = 0, restores = 0;

private:
    std::vector<State> stack_;
};

} // namespace tarnholt
