#include "link/port_link.h"

#include "ui/cp1251.h"
#include "link/hex_text.h"
#include "platform/error.h"

namespace devlink {

PortLink::PortLink(editor::MainWindow& window) : w_(window)
{
    for (int index : {0, 1})
        w_.button(ui::indexed("Cmd", index)).onClick = [this, index] { portButtonClick(index); };
    w_.timer("Timer_pause").onTick = [this] {
        w_.timer("Timer_pause").setInterval(0);
        w_.services.loop.processEvents();
        w_.pause_end = true;
    };
    w_.services.port.onEvent = [this](platform::PortEvent e) { portEvent(e); };
}

void PortLink::waitForEmptyTransmitQueue()
{
    platform::SerialPort& port = w_.services.port;
    w_.services.loop.waitUntil([&port] { return port.outBufferCount() == 0; });
}

void PortLink::sendPaced(const std::string& bytes)
{
    for (char c : bytes) {
        waitForEmptyTransmitQueue();
        w_.services.port.write(platform::Bytes{static_cast<std::uint8_t>(c)});
    }
}

void PortLink::sendWhole(const std::string& bytes)
{
    waitForEmptyTransmitQueue();
    w_.services.port.write(platform::bytesOf(bytes));
}

void PortLink::pause(int milliseconds)
{
    w_.timer("Timer_pause").setInterval(milliseconds);
    w_.services.loop.processEvents();
    w_.pause_end = false;
    w_.services.loop.waitUntil([this] { return w_.pause_end; });
}

void PortLink::portButtonClick(int index)
{
    try {
        w_.check("Check_csd_mode").setEnabled(false);
        w_.text("txtComSet").setEnabled(false);
        if (w_.check("Check_csd_mode").value() == 0)
            w_.timer("Timer_help").setInterval(20000);
        w_.button("Command_receiv").setEnabled(false);
        w_.button("Command_send").setEnabled(false);
        ui::Label& linkLabel = w_.label("Label_link");
        linkLabel.setBackColor(ui::color::ButtonFace);
        linkLabel.setVisible(false);

        if (index == 1) {
            auto answer = w_.services.host.messageBox("Сохранить конфигурацию в файл?", "Выход с конфигуратора",
                                                      platform::MessageIcon::None, platform::MessageButtons::YesNo);
            if (answer == platform::MessageAnswer::Yes && w_.save_configuration)
                w_.save_configuration();
            w_.services.host.quit();
            return;
        }
        openPort();
    } catch (const platform::Error& e) {
        w_.services.host.messageBox(e.description(), "Error#" + std::to_string(e.number()),
                                    platform::MessageIcon::Critical, platform::MessageButtons::Ok);
    }
}

void PortLink::openPort()
{
    platform::SerialPort& port = w_.services.port;
    port.setHandshaking(w_.list("Combo_com").listIndex());
    ui::List& ports = w_.list("cmbPort");
    int choice = ports.listIndex();
    if (choice >= NumberedPorts)
        port.setDevicePath(ports.item(choice));
    else
        port.setPortNumber(choice + 1);
    port.setSettings(w_.text("txtComSet").text());
    port.open();

    w_.button("Cmd(0)").setEnabled(false);
    ports.setEnabled(false);
    w_.list("Combo_com").setEnabled(false);
    if (w_.check("Check_csd_mode").value() == 1 && w_.modem_start)
        w_.modem_start();
}

void PortLink::portEvent(platform::PortEvent event)
{
    if (event != platform::PortEvent::Receive)
        return;
    platform::Bytes bytes = w_.services.port.readAll();
    appendHexText(w_.Buffer, bytes);
    ui::TextField& terminal = w_.text("Text_at");
    terminal.setText(terminal.text() + ui::cp1251::toUtf8(platform::textOf(bytes)));
    terminal.moveCaretToEnd();
    w_.services.loop.processEvents();
}

}  // namespace devlink
