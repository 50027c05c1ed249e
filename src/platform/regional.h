#pragma once
#include <string>

#include "platform/clock.h"

namespace platform {

// The user's regional settings as far as the programs show them.
class Regional {
public:
    virtual ~Regional() = default;
    // "." or "," (UTF-8 text).
    virtual std::string decimalSeparator() const = 0;
    // Short date and long time with one space between, as the system writes them.
    virtual std::string dateTimeText(const LocalDateTime& t) const = 0;
};

// Fixed settings for tests and for headless runs.
class FixedRegional : public Regional {
public:
    explicit FixedRegional(std::string separator = ".") : separator(std::move(separator)) {}
    std::string decimalSeparator() const override { return separator; }
    std::string dateTimeText(const LocalDateTime& t) const override;
    std::string separator;
};

}  // namespace platform
