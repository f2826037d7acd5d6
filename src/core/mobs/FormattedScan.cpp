#include "mobs/FormattedScan.h"

#include <vector>

namespace tarnholt {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek(std::size_t ahead = 0) const
    {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }
    void advance(std::size_t count = 1) { pos_ += count; }
    void skipBlanks()
    {
        while (!atEnd() && isBlank(text_[pos_]))
            ++pos_;
    }

    // A run of non-blank characters; false when there is none.
    bool readWord(std::string& word)
    {
        skipBlanks();
        std::size_t start = pos_;
        while (!atEnd() && !isBlank(text_[pos_]))
            ++pos_;
        if (pos_ == start)
            return false;
        word.assign(text_.substr(start, pos_ - start));
        return true;
    }

    // An integer in `base` (0 = chosen by the prefix, as %i does); false when no digit follows
    // the optional sign or the value does not fit in 32 bits.
    bool readInteger(int base, int32_t& value)
    {
        skipBlanks();
        bool negative = false;
        if (peek() == '+' || peek() == '-') {
            negative = peek() == '-';
            advance();
        }
        if (base == 0) {
            if (peek() == '0' && (peek(1) == 'x' || peek(1) == 'X') && digitValue(peek(2)) < 16) {
                base = 16;
                advance(2);
            } else if (peek() == '0') {
                base = 8;
            } else {
                base = 10;
            }
        }
        // Accumulate the magnitude; stop counting once it is out of range but keep reading digits.
        constexpr int64_t kLimit = int64_t{1} << 31; // magnitude of the most negative value
        int64_t magnitude = 0;
        bool overflow = false;
        std::size_t digits = 0;
        while (!atEnd() && digitValue(peek()) < base) {
            if (!overflow) {
                magnitude = magnitude * base + digitValue(peek());
                overflow = magnitude > kLimit;
            }
            advance();
            ++digits;
        }
        if (digits == 0 || overflow || (!negative && magnitude == kLimit))
            return false;
        value = static_cast<int32_t>(negative ? -magnitude : magnitude);
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

int scanFormatted(std::string_view text, std::string_view format, std::initializer_list<ScanTarget> targets)
{
    Cursor in(text);
    auto target = targets.begin();
    int stored = 0;
    for (std::size_t f = 0; f < format.size(); ++f) {
        char c = format[f];
        if (isBlank(c)) {
            in.skipBlanks();
            continue;
        }
        if (c == '%' && f + 1 < format.size() && format[f + 1] != '%') {
            char directive = format[++f];
            if (target == targets.end())
                return stored;
            if (directive == 's') {
                auto* word = std::get_if<std::string*>(&*target);
                std::string value;
                if (word == nullptr || !in.readWord(value))
                    return stored;
                **word = std::move(value);
            } else if (directive == 'd' || directive == 'i') {
                auto* number = std::get_if<int32_t*>(&*target);
                int32_t value = 0;
                if (number == nullptr || !in.readInteger(directive == 'i' ? 0 : 10, value))
                    return stored;
                **number = value;
            } else {
                return stored;
            }
            ++target;
            ++stored;
            continue;
        }
        if (c == '%')
            ++f; // "%%" stands for a plain "%"
        if (in.atEnd() || in.peek() != c)
            return stored;
        in.advance();
    }
    return stored;
}

} // namespace tarnholt
