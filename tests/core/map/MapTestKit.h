#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "map/Surface.h"
#include "rooms/Room.h"
#include "world/World.h"

namespace tarnholt {

/// Appends a room named `identifier` in cell (column, row).
inline Room& addRoom(World& world, const std::string& identifier, int column, int row)
{
    Room& room = world.rooms.emplace_back();
    room.identifier = identifier, room.column = column, room.row = row;
    return room;
}

/// Sets exit `direction` of `room` to `target`, arriving at side `placement`, with a door state.
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
            const bool line = op == Op::Line || op == Op::InvertedLine;
            const Rect r = line ? Rect{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x),
                                       std::max(from.y, to.y)}
                                : rect;
            return r.inflated(op == Op::Text ? 0 : 2);
        }
    };

    void save() override { ++saves, stack_.push_back(state); }
    void restore() override
    {
        ++restores;
        if (!stack_.empty())
            state = stack_.back(), stack_.pop_back();
    }
    void setPen(const Pen& pen) override { ++penChanges, state.pen = pen; }
    void setBrush(const Brush& brush) override { state.brush = brush; }
    void setTextColor(Color color) override { state.textColor = color; }
    void setTextTransparent(bool transparent) override { state.textTransparent = transparent; }
    void drawRectangle(const Rect& rect) override { draws.push_back({Op::Rectangle, rect, {}, {}, {}, state}); }
    void drawEllipse(const Rect& rect) override { draws.push_back({Op::Ellipse, rect, {}, {}, {}, state}); }
    void drawLine(Point from, Point to) override { draws.push_back({Op::Line, {}, from, to, {}, state}); }
    void drawText(const Rect& rect, const std::string& text) override
    {
        draws.push_back({Op::Text, rect, {}, {}, text, state});
    }
    void drawInvertedLine(Point from, Point to) override { draws.push_back({Op::InvertedLine, {}, from, to, {}, state}); }

    std::vector<Draw> ofKind(Op op) const
    {
        std::vector<Draw> out;
        for (const Draw& d : draws)
            if (d.op == op)
                out.push_back(d);
        return out;
    }

    State state;
    std::vector<Draw> draws;
    int saves = 0, restores = 0, penChanges = 0;

private:
    std::vector<State> stack_;
};

} // namespace tarnholt
