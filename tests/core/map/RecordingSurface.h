#pragma once

#include <string>
#include <vector>

#include "map/Surface.h"

namespace tarnholt {

/// A surface that keeps every drawing call with the state it was drawn in.
class RecordingSurface : public Surface {
public:
    enum class Op { Rectangle, Ellipse, Line, Text, InvertedLine };

    struct Draw {
        Op op;
        Rect rect;      // rectangle, ellipse, text
        Point from, to; // lines
        std::string text;
        Pen pen;
        Brush brush;
        Color textColor;
        bool textTransparent;

        bool operator==(const Draw&) const = default;
        /// What the call can touch, widened by the pen.
        Rect extent() const
        {
            Rect r = (op == Op::Line || op == Op::InvertedLine)
                         ? Rect{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x),
                                std::max(from.y, to.y)}
                         : rect;
            return r.inflated(op == Op::Text ? 0 : 2);
        }
    };

    void save() override
    {
        ++saves;
        stack_.push_back(state_);
    }
    void restore() override
    {
        ++restores;
        if (!stack_.empty()) {
            state_ = stack_.back();
            stack_.pop_back();
        }
    }
    void setPen(const Pen& pen) override
    {
        ++penChanges;
        state_.pen = pen;
    }
    void setBrush(const Brush& brush) override { state_.brush = brush; }
    void setTextColor(Color color) override { state_.textColor = color; }
    void setTextTransparent(bool transparent) override { state_.textTransparent = transparent; }

    void drawRectangle(const Rect& rect) override { add(Op::Rectangle, rect, {}, {}, {}); }
    void drawEllipse(const Rect& rect) override { add(Op::Ellipse, rect, {}, {}, {}); }
    void drawLine(Point from, Point to) override { add(Op::Line, {}, from, to, {}); }
    void drawText(const Rect& rect, const std::string& text) override { add(Op::Text, rect, {}, {}, text); }
    void drawInvertedLine(Point from, Point to) override { add(Op::InvertedLine, {}, from, to, {}); }

    std::vector<Draw> ofKind(Op op) const
    {
        std::vector<Draw> out;
        for (const Draw& d : draws)
            if (d.op == op)
                out.push_back(d);
        return out;
    }

    struct State {
        Pen pen;
        Brush brush;
        Color textColor;
        bool textTransparent = false;
    };
    State state() const { return state_; }

    std::vector<Draw> draws;
    int saves = 0;
    int restores = 0;
    int penChanges = 0;

private:
    void add(Op op, const Rect& rect, Point from, Point to, const std::string& text)
    {
        draws.push_back({op, rect, from, to, text, state_.pen, state_.brush, state_.textColor,
                         state_.textTransparent});
    }

    State state_;
    std::vector<State> stack_;
};

} // namespace tarnholt
