#pragma once
#include <stdexcept>
#include <string>

namespace platform {

// A run-time error with the number and description the user is shown
// ("Error#" + number as title, description as text).
class Error : public std::runtime_error {
public:
    Error(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int number() const { return number_; }
    std::string description() const { return what(); }

private:
    int number_;
};

// Error numbers of this system. The values follow the classic numbering of
// the toolkit the programs were first written for, where one exists.
namespace errc {
constexpr int InvalidPropertyValue = 380;  // a control refused a value
constexpr int TypeMismatch = 13;           // a text is not a number
constexpr int Overflow = 6;                // a number does not fit
constexpr int FileNotFound = 53;
constexpr int PathNotFound = 76;
constexpr int PermissionDenied = 70;
constexpr int DeviceIo = 57;
constexpr int DialogCancelled = 32755;
constexpr int InvalidPortNumber = 8002;
constexpr int PortAlreadyOpen = 8005;
constexpr int PortOpenFailed = 8010;
constexpr int PortNotOpen = 8012;
}  // namespace errc

}  // namespace platform
