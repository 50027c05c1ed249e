#include "qt/qt_serial_port.h"

#include <QFileInfo>

#include "platform/error.h"

namespace qt {
namespace {

QSerialPort::Parity parityOf(char letter)
{
    switch (letter) {
    case 'e': return QSerialPort::EvenParity;
    case 'o': return QSerialPort::OddParity;
    case 'm': return QSerialPort::MarkParity;
    case 's': return QSerialPort::SpaceParity;
    default: return QSerialPort::NoParity;
    }
}

QSerialPort::StopBits stopBitsOf(double bits)
{
    if (bits >= 2)
        return QSerialPort::TwoStop;
    if (bits > 1)
        return QSerialPort::OneAndHalfStop;
    return QSerialPort::OneStop;
}

QSerialPort::FlowControl flowOf(int handshaking)
{
    switch (static_cast<platform::Handshaking>(handshaking)) {
    case platform::Handshaking::XonXoff: return QSerialPort::SoftwareControl;
    // QSerialPort cannot combine both kinds; RTS/CTS is the one that
    // protects the receiver, so "both" runs as hardware flow control.
    case platform::Handshaking::RtsCts:
    case platform::Handshaking::RtsXonXoff: return QSerialPort::HardwareControl;
    default: return QSerialPort::NoFlowControl;
    }
}

}  // namespace

QtSerialPort::QtSerialPort()
{
    QObject::connect(&port_, &QSerialPort::readyRead, [this] {
        if (onEvent)
            onEvent(platform::PortEvent::Receive);
    });
    QObject::connect(&port_, &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError error) { onError(error); });
}

std::string QtSerialPort::pathOfPortNumber(int number)
{
#ifdef Q_OS_WIN
    return "COM" + std::to_string(number);
#else
    return "/dev/ttyS" + std::to_string(number - 1);
#endif
}

void QtSerialPort::setPortNumber(int number)
{
    if (number < 1)
        throw platform::Error(platform::errc::InvalidPortNumber, "Invalid port number");
    if (port_.isOpen())
        throw platform::Error(platform::errc::PortAlreadyOpen, "Port already open");
    path_ = pathOfPortNumber(number);
}

void QtSerialPort::setDevicePath(const std::string& path)
{
    if (port_.isOpen())
        throw platform::Error(platform::errc::PortAlreadyOpen, "Port already open");
    path_ = path;
}

void QtSerialPort::setSettings(const std::string& settings) { settings_ = platform::PortSettings::parse(settings); }

void QtSerialPort::setHandshaking(int mode)
{
    if (mode < 0 || mode > 3)
        throw platform::Error(platform::errc::InvalidPropertyValue, "Invalid property value");
    handshaking_ = mode;
}

void QtSerialPort::open()
{
    if (port_.isOpen())
        throw platform::Error(platform::errc::PortAlreadyOpen, "Port already open");
    if (path_.empty())
        throw platform::Error(platform::errc::InvalidPortNumber, "Invalid port number");
    port_.setPortName(QString::fromStdString(path_));
    port_.setBaudRate(settings_.baud);
    port_.setParity(parityOf(settings_.parity));
    port_.setDataBits(static_cast<QSerialPort::DataBits>(settings_.dataBits));
    port_.setStopBits(stopBitsOf(settings_.stopBits));
    port_.setFlowControl(flowOf(handshaking_));
    port_.clearError();
    if (port_.open(QIODevice::ReadWrite))
        return;

    QSerialPort::SerialPortError error = port_.error();
    std::string detail = path_ + ": " + port_.errorString().toStdString();
    port_.clearError();
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        throw platform::Error(platform::errc::InvalidPortNumber, "Invalid port number (" + detail + ")");
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError:
        throw platform::Error(platform::errc::PortAlreadyOpen,
                              "Port already open or access denied (" + detail + ")");
    default:
        throw platform::Error(platform::errc::PortOpenFailed, "The port cannot be opened (" + detail + ")");
    }
}

int QtSerialPort::outBufferCount() const { return static_cast<int>(port_.bytesToWrite()); }

void QtSerialPort::write(const platform::Bytes& bytes)
{
    if (!port_.isOpen())
        throw platform::Error(platform::errc::PortNotOpen, "Operation valid only when the port is open");
    if (bytes.empty())
        return;
    if (port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) < 0)
        throw platform::Error(platform::errc::DeviceIo, "Device I/O error (" + path_ + ")");
}

platform::Bytes QtSerialPort::readAll()
{
    QByteArray data = port_.readAll();
    return platform::Bytes(data.begin(), data.end());
}

void QtSerialPort::onError(QSerialPort::SerialPortError error)
{
    // Errors of open() are reported by open() itself.
    if (error == QSerialPort::NoError || !port_.isOpen())
        return;
    platform::PortEvent event;
    switch (error) {
    case QSerialPort::ReadError: event = platform::PortEvent::Overrun; break;
    case QSerialPort::WriteError: event = platform::PortEvent::TransmitOverflow; break;
    case QSerialPort::ResourceError:
        // The device went away (unplugged, or the far end of a
        // pseudo-terminal closed): close it so it stops reporting.
        event = platform::PortEvent::Break;
        port_.close();
        break;
    default: return;
    }
    port_.clearError();
    if (onEvent)
        onEvent(event);
}

}  // namespace qt
