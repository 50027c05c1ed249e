#pragma once

namespace platform {

// The computer's local date and time.
struct LocalDateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    bool operator==(const LocalDateTime&) const = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

// The system's local clock.
class SystemClock : public Clock {
public:
    LocalDateTime now() const override;
};

// A clock that shows what a test sets.
class FixedClock : public Clock {
public:
    explicit FixedClock(LocalDateTime t = {}) : time(t) {}
    LocalDateTime now() const override { return time; }
    LocalDateTime time;
};

}  // namespace platform
