#pragma once
// The cut of a figure to the 32-bit integer a field and a record hold, shared by every
// calculation that makes figures, so that all of them refuse the same figures.

#include <cmath>
#include <cstdint>

namespace carloan {

// Conversion of a figure to a 32-bit integer: cut toward zero. An undefined or infinite value
// becomes 0, so a zero rate ends in zero figures instead of a failure. Anything else the figures
// cannot carry (a whole part beyond 32 bits, or an overflow of the double range at a nonzero
// rate, where only absurd inputs lead) marks the quote as out of range instead of wrapping into a
// wrong figure.
class whole_numbers {
  public:
    explicit whole_numbers(double rate) : zero_rate_(rate == 0) {}

    std::int32_t operator()(double value) {
        if (!std::isfinite(value)) {
            out_of_range_ = out_of_range_ || !zero_rate_;
            return 0;
        }
        const double cut = std::trunc(value);
        if (cut < -2147483648.0 || cut > 2147483647.0) {
            out_of_range_ = true;
            return 0;
        }
        return static_cast<std::int32_t>(cut);
    }

    bool out_of_range() const { return out_of_range_; }

  private:
    bool zero_rate_;
    bool out_of_range_ = false;
};

}  // namespace carloan
