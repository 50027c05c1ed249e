#include "image/decoder.h"

#include <string>

#include "editor/catalogue.h"
#include "editor/procedures.h"
#include "image/codes.h"
#include "image/dump_text.h"
#include "image/image_map.h"
#include "ui/cp1251.h"

namespace image {
namespace {

constexpr std::uint8_t CR = 0x0D;

const editor::Setting& settingOf(const Field& f)
{
    const editor::Setting* s = editor::findSetting(f.target);
    if (!s)
        throw std::out_of_range("no setting " + f.target);
    return *s;
}

class Reader {
public:
    Reader(editor::MainWindow& w, const DumpText& dump) : w_(w), dump_(dump) {}

    void apply(const Field& f)
    {
        const std::uint8_t byte = dump_.at(f.offset);
        const int bit = (byte >> f.bit) & 1;
        switch (f.kind) {
        case FieldKind::CheckBit: w_.check(f.target).setValue(bit); break;
        case FieldKind::PowerUpBit: {
            // A mode without a power-up state has cleared and disabled the box.
            ui::CheckBox& box = w_.check(f.target);
            if (box.enabled())
                box.setValue(bit);
            break;
        }
        case FieldKind::ListBit: w_.list(f.target).setListIndex(bit); break;
        case FieldKind::CellBit: {
            const editor::Setting& s = settingOf(f);
            w_.grid(s.control).setMarked(s.row, s.col, bit);
            break;
        }
        case FieldKind::FlagBit:
            w_.label(f.target).setBackColor(bit ? ui::color::Highlight : ui::color::ButtonFace);
            break;
        case FieldKind::Mask: editor::writeMask(w_, settingOf(f), byte); break;
        case FieldKind::Number: setText(f, std::to_string(byte)); break;
        case FieldKind::Voltage: setText(f, std::to_string(voltageTenths(byte))); break;
        case FieldKind::Temperature: setText(f, std::to_string(temperatureDegrees(byte))); break;
        case FieldKind::ModeList: w_.list(f.target).setListIndex(byte); break;
        case FieldKind::HourList: w_.list(f.target).setListIndex(byte > f.maxIndex ? 0 : byte); break;
        case FieldKind::ShortBeepList:
            if (byte >= 1 && byte <= 3)
                w_.list(f.target).setListIndex(byte - 1);
            break;
        case FieldKind::MicList: {
            int index = (byte & 0x10) ? 2 : (byte & 0x08) ? 0 : 1;
            w_.list(f.target).setListIndex(index);
            break;
        }
        case FieldKind::Pin: setBytes(f, dump_.bytes(f.offset, f.offset + 2)); break;
        case FieldKind::Name: setBytes(f, dump_.bytes(f.offset, f.offset + 4)); break;
        case FieldKind::BalanceRecord: {
            // The prefix is not looked at; the number ends before the ";".
            auto end = dump_.find(f.offset, ';');
            setBytes(f, end ? dump_.bytes(f.offset + 3, *end) : std::string());
            break;
        }
        case FieldKind::OwnerRecord:
        case FieldKind::DataOwnerRecord: {
            setText(f, "");
            auto cr = dump_.find(f.offset, CR);
            if (byte == 'a' && cr) {
                // A voice record's ";" before the CR is not part of the number.
                int end = f.kind == FieldKind::OwnerRecord ? *cr - 1 : *cr;
                setBytes(f, dump_.bytes(f.offset + 3, end));
            }
            break;
        }
        case FieldKind::Text: {
            auto end = dump_.find(f.offset, f.terminator);
            setBytes(f, end ? dump_.bytes(f.offset, *end) : std::string());
            break;
        }
        }
    }

    void showDeviceInfo()
    {
        const auto& info = dump_.info();
        auto chars = [&info](int first, int length) {
            return ui::cp1251::toUtf8(
                std::string_view(reinterpret_cast<const char*>(info.data()) + first, length));
        };
        std::string serial = chars(info::SerialFirst, info::SerialLength);
        w_.label("Label_ID").setCaption(serial);
        w_.text("Label_ID_vyr_").setText(serial);
        w_.text("Label_password_").setText(chars(info::PasswordFirst, info::PasswordLength));
    }

private:
    void setText(const Field& f, const std::string& text) { w_.text(f.target).setText(text); }
    void setBytes(const Field& f, const std::string& bytes) { setText(f, ui::cp1251::toUtf8(bytes)); }

    editor::MainWindow& w_;
    const DumpText& dump_;
};

}  // namespace

void decode_image(editor::MainWindow& w)
{
    DumpText dump(w.Receive_EEPROM);
    if (!dump.checksumHolds()) {
        w.label("Label_ok").setCaption("L    :- (");
        return;
    }
    w.label("Label_ok").setCaption("L    OK");

    Reader reader(w, dump);
    for (const std::string& target : decodeOrder())
        reader.apply(fieldOf(target));
    reader.showDeviceInfo();

    editor::all_check(w);
    editor::csd_input_grid(w);
    editor::sxema(w);
    editor::clear_unused_inputs(w);

    w.enableWorkingControls();
    w.services.loop.processEvents();
}

}  // namespace image
