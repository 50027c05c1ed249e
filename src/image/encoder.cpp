#include "image/encoder.h"

#include <cctype>
#include <optional>
#include <string>

#include "editor/catalogue.h"
#include "image/codes.h"
#include "ui/cp1251.h"
#include "platform/error.h"
#include "ui/utf8.h"

namespace image {
namespace {

constexpr const char* DefaultPin = "5j";
constexpr std::size_t NameLength = 4;

const std::uint8_t VoiceEnd[] = {';', '\r', ','};
const std::uint8_t DataEnd[] = {'\r', ','};

[[noreturn]] void refuse(const std::string& why)
{
    throw platform::Error(platform::errc::InvalidPropertyValue, "Настройки не записаны: " + why);
}

// A whole number written as an optional sign and decimal digits.
std::optional<long> integerOf(const std::string& text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return std::nullopt;
    long value = 0;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
        if (value < 100000)  // beyond any range; stop growing
            value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

int numberIn(const editor::MainWindow& w, const Field& f, int low, int high)
{
    const std::string& text = w.text(f.target).text();
    std::optional<long> v = integerOf(text);
    if (!v || *v < low || *v > high)
        refuse("настройка " + settingKey(f) + " содержит \"" + text +
               "\", а в память устройства записывается только целое число от " + std::to_string(low) + " до " +
               std::to_string(high) + ".");
    return static_cast<int>(*v);
}

int selectedIn(const editor::MainWindow& w, const Field& f)
{
    int index = w.list(f.target).listIndex();
    if (index < 0)
        refuse("в списке " + settingKey(f) + " ничего не выбрано.");
    return index;
}

// The field's text in the code page of the panel, within its room.
std::string bytesOf(const editor::MainWindow& w, const Field& f)
{
    std::string bytes = ui::cp1251::fromUtf8(w.text(f.target).text());
    if (static_cast<int>(bytes.size()) > f.room)
        refuse("текст настройки " + settingKey(f) + " длиннее " + std::to_string(f.room) +
               " символов, отведённых для него в памяти устройства.");
    return bytes;
}

const editor::Setting& settingOf(const Field& f)
{
    const editor::Setting* s = editor::findSetting(f.target);
    if (!s)
        throw std::out_of_range("no setting " + f.target);
    return *s;
}

class Writer {
public:
    Image image{};

    void put(int offset, std::uint8_t value) { image.at(offset) = value; }
    void setBit(int offset, int bit, bool on)
    {
        if (on)
            image.at(offset) |= static_cast<std::uint8_t>(1u << bit);
    }
    // Bytes from the offset on; returns the offset after them.
    int putBytes(int offset, std::string_view bytes)
    {
        for (char c : bytes)
            put(offset++, static_cast<std::uint8_t>(c));
        return offset;
    }
    template <std::size_t N>
    void putBytes(int offset, const std::uint8_t (&bytes)[N])
    {
        for (std::uint8_t b : bytes)
            put(offset++, b);
    }
};

void encodeField(const editor::MainWindow& w, const Field& f, Writer& out)
{
    switch (f.kind) {
    case FieldKind::CheckBit:
    case FieldKind::PowerUpBit: out.setBit(f.offset, f.bit, w.check(f.target).value() == 1); break;
    // A two-entry list with nothing selected is simply not on. Refusing it
    // would block every write over a hidden list (inputs 5 to 7) that a
    // configuration file left without a selection.
    case FieldKind::ListBit: out.setBit(f.offset, f.bit, w.list(f.target).listIndex() == 1); break;
    case FieldKind::CellBit: {
        const editor::Setting& s = settingOf(f);
        out.setBit(f.offset, f.bit, w.grid(s.control).marked(s.row, s.col));
        break;
    }
    case FieldKind::FlagBit: break;  // the panel's own flag: never written
    case FieldKind::Mask: out.put(f.offset, static_cast<std::uint8_t>(editor::readMask(w, settingOf(f)))); break;
    case FieldKind::Number: out.put(f.offset, static_cast<std::uint8_t>(numberIn(w, f, 0, 255))); break;
    case FieldKind::Voltage:
        out.put(f.offset, static_cast<std::uint8_t>(voltageCode(numberIn(w, f, 0, 255))));
        break;
    case FieldKind::Temperature:
        out.put(f.offset, static_cast<std::uint8_t>(temperatureCode(numberIn(w, f, -128, 127))));
        break;
    case FieldKind::ModeList:
    case FieldKind::HourList: out.put(f.offset, static_cast<std::uint8_t>(selectedIn(w, f))); break;
    case FieldKind::ShortBeepList: out.put(f.offset, static_cast<std::uint8_t>(selectedIn(w, f) + 1)); break;
    case FieldKind::MicList: {
        int index = selectedIn(w, f);
        out.setBit(f.offset, 3, index == 0);
        out.setBit(f.offset, 4, index == 2);
        break;
    }
    case FieldKind::Pin: {
        std::string code = ui::cp1251::fromUtf8(w.text(f.target).text());
        out.putBytes(f.offset, std::string_view(code).substr(0, 2));
        break;
    }
    case FieldKind::Name: {
        std::string name = ui::cp1251::fromUtf8(w.text(f.target).text());
        if (name.size() < NameLength)
            name.append(NameLength - name.size(), 'x');
        out.putBytes(f.offset, std::string_view(name).substr(0, NameLength));
        break;
    }
    case FieldKind::BalanceRecord: {
        int end = out.putBytes(f.offset, "atd");
        end = out.putBytes(end, bytesOf(w, f));
        out.putBytes(end, VoiceEnd);
        break;
    }
    case FieldKind::OwnerRecord:
    case FieldKind::DataOwnerRecord: {
        std::string number = bytesOf(w, f);
        int end = out.putBytes(f.offset, number.empty() ? "ftd" : "atd");
        end = out.putBytes(end, number);
        if (f.kind == FieldKind::OwnerRecord)
            out.putBytes(end, VoiceEnd);
        else
            out.putBytes(end, DataEnd);
        break;
    }
    case FieldKind::Text: {
        int end = out.putBytes(f.offset, bytesOf(w, f));
        out.put(end, f.terminator);
        break;
    }
    }
}

}  // namespace

std::string settingKey(const Field& f)
{
    switch (f.kind) {
    case FieldKind::Mask:
    case FieldKind::CellBit: return f.target;
    case FieldKind::CheckBit:
    case FieldKind::PowerUpBit: return "Form1." + f.target + ".Value";
    case FieldKind::FlagBit: return "Form1." + f.target + ".BackColor";
    case FieldKind::ListBit:
    case FieldKind::ModeList:
    case FieldKind::HourList:
    case FieldKind::ShortBeepList:
    case FieldKind::MicList: return "Form1." + f.target + ".ListIndex";
    default: return "Form1." + f.target + ".Text";
    }
}

void prepareForWrite(editor::MainWindow& w)
{
    ui::TextField& pin = w.text(fieldOf("Text_pin").target);
    if (ui::utf8::length(pin.text()) < 2)
        pin.setText(DefaultPin);
    for (const Field& f : imageMap()) {
        if (f.kind != FieldKind::Name)
            continue;
        ui::TextField& name = w.text(f.target);
        std::size_t length = ui::utf8::length(name.text());
        if (length < NameLength)
            name.setText(name.text() + std::string(NameLength - length, 'x'));
    }
}

Image encode(const editor::MainWindow& w)
{
    Writer out;
    for (const Field& f : imageMap())
        encodeField(w, f, out);
    return out.image;
}

}  // namespace image
