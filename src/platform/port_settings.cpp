#include "platform/port_settings.h"

#include <cctype>
#include <sstream>
#include <vector>

#include "platform/error.h"

namespace platform {
namespace {

std::vector<std::string> splitCommas(const std::string& text)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, ','))
        parts.push_back(part);
    if (!text.empty() && text.back() == ',')
        parts.emplace_back();
    return parts;
}

bool allDigits(const std::string& s)
{
    if (s.empty() || s.size() > 7)
        return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

[[noreturn]] void refuse(const std::string& text, const std::string& why)
{
    throw Error(errc::InvalidPropertyValue,
                "Invalid port settings \"" + text + "\": " + why +
                    " (expected speed,parity,data bits,stop bits such as 9600,n,8,1)");
}

}  // namespace

PortSettings PortSettings::parse(const std::string& text)
{
    auto parts = splitCommas(text);
    if (parts.size() != 4)
        refuse(text, "four comma-separated values are needed");
    PortSettings s;
    if (!allDigits(parts[0]) || std::stoi(parts[0]) <= 0)
        refuse(text, "the speed is not a positive whole number");
    s.baud = std::stoi(parts[0]);
    if (parts[1].size() != 1 || std::string("neoms").find(static_cast<char>(
                                    std::tolower(static_cast<unsigned char>(parts[1][0])))) == std::string::npos)
        refuse(text, "the parity is not one of n, e, o, m, s");
    s.parity = static_cast<char>(std::tolower(static_cast<unsigned char>(parts[1][0])));
    if (!allDigits(parts[2]) || std::stoi(parts[2]) < 5 || std::stoi(parts[2]) > 8)
        refuse(text, "the data bits are not 5 to 8");
    s.dataBits = std::stoi(parts[2]);
    if (parts[3] == "1")
        s.stopBits = 1;
    else if (parts[3] == "1.5")
        s.stopBits = 1.5;
    else if (parts[3] == "2")
        s.stopBits = 2;
    else
        refuse(text, "the stop bits are not 1, 1.5 or 2");
    return s;
}

int PortSettings::bitsPerByte() const
{
    int bits = 1 + dataBits + (parity == 'n' ? 0 : 1);
    return bits + (stopBits >= 2 ? 2 : 1);
}

}  // namespace platform
