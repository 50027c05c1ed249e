#pragma once
#include "platform/regional.h"

namespace qt {

// The user's regional settings as the system's locale gives them.
class QtRegional : public platform::Regional {
public:
    std::string decimalSeparator() const override;
    std::string dateTimeText(const platform::LocalDateTime& t) const override;
};

}  // namespace qt
