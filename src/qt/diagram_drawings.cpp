#include "qt/diagram_drawings.h"

#include <QPainterPath>
#include <QPolygonF>

namespace qt {
namespace {

// Drawings are made in 1/1440 inch on the size the window gives their box,
// then scaled to the box actually shown.
void designUnits(QPainter& p, const QRect& area, double width, double height)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(area.topLeft());
    p.scale(area.width() / width, area.height() / height);
}

QPen pen(const QColor& color, double width)
{
    QPen result(color, width);
    result.setCapStyle(Qt::RoundCap);
    result.setJoinStyle(Qt::RoundJoin);
    return result;
}

void text(QPainter& p, const QRectF& box, const QString& s, double size, const QColor& color,
          int flags = Qt::AlignCenter, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(size)));
    font.setBold(bold);
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, flags, s);
}

// ------------------------------------------------------------ slot symbols
// A slot is 2415 x 495; the wire comes in from its terminal on the left.

constexpr double SlotW = 2415, SlotH = 495, Mid = SlotH / 2;
const QColor Ink(20, 20, 20);
const QColor Wire(30, 30, 140);

void groundSymbol(QPainter& p, double x, double top)
{
    p.setPen(pen(Ink, 30));
    p.drawLine(QPointF(x, top), QPointF(x, top + 150));
    for (int i = 0; i < 3; ++i) {
        double half = 150 - i * 50;
        double y = top + 150 + i * 70;
        p.drawLine(QPointF(x - half, y), QPointF(x + half, y));
    }
}

void wire(QPainter& p, double from, double to)
{
    p.setPen(pen(Wire, 30));
    p.drawLine(QPointF(from, Mid), QPointF(to, Mid));
}

void terminalDot(QPainter& p, double x)
{
    p.setPen(pen(Ink, 25));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x, Mid), 55, 55);
    p.setBrush(Qt::NoBrush);
}

void plusLabel(QPainter& p, double x, const QString& label)
{
    terminalDot(p, x);
    text(p, QRectF(x + 70, 0, SlotW - x - 70, SlotH), label, 210, QColor(170, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
         true);
}

void drawEmpty(QPainter& p, const QRect& area)
{
    designUnits(p, area, SlotW, SlotH);
    wire(p, 0, 360);
    terminalDot(p, 420);
    p.setPen(QPen(QColor(150, 150, 150), 20, Qt::DashLine));
    p.drawLine(QPointF(520, Mid), QPointF(1500, Mid));
}

// A contact to ground; `closes` tells which change violates the input.
void drawContact(QPainter& p, const QRect& area, bool closes)
{
    designUnits(p, area, SlotW, SlotH);
    wire(p, 0, 700);
    terminalDot(p, 700);
    terminalDot(p, 1250);
    p.setPen(pen(Ink, 30));
    // The blade rests closed and opens, or rests open and closes.
    QPointF hinge(700, Mid);
    QPointF tip = closes ? QPointF(1230, Mid - 200) : QPointF(1250, Mid - 60);
    p.drawLine(hinge, tip);
    // The arrow shows the change that raises the alarm.
    p.setPen(pen(QColor(200, 0, 0), 22));
    QPointF a(975, closes ? Mid - 230 : Mid - 40), b(975, closes ? Mid - 40 : Mid - 230);
    p.drawLine(a, b);
    double dir = closes ? 1 : -1;
    p.drawLine(b, QPointF(b.x() - 50, b.y() - dir * 70));
    p.drawLine(b, QPointF(b.x() + 50, b.y() - dir * 70));
    wire(p, 1305, 1800);
    p.setPen(pen(Wire, 30));
    p.drawLine(QPointF(1800, Mid), QPointF(1800, 60));
    groundSymbol(p, 1800, 60);
}

// An LED and its resistor between the output and plus; the output sinks.
void drawLed(QPainter& p, const QRect& area)
{
    designUnits(p, area, SlotW, SlotH);
    wire(p, 0, 450);
    // Cathode bar towards the output, the triangle pointing at it.
    p.setPen(pen(Ink, 30));
    p.drawLine(QPointF(450, Mid - 140), QPointF(450, Mid + 140));
    QPolygonF diode({QPointF(450, Mid), QPointF(690, Mid - 140), QPointF(690, Mid + 140)});
    p.setBrush(QColor(230, 40, 40));
    p.drawPolygon(diode);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(QColor(230, 120, 0), 18));
    for (double x : {520.0, 620.0}) {
        QPointF s(x, Mid - 150), e(x - 90, Mid - 240);
        p.drawLine(s, e);
        p.drawLine(e, e + QPointF(50, 0));
        p.drawLine(e, e + QPointF(0, 50));
    }
    wire(p, 690, 900);
    p.setPen(pen(Ink, 30));
    p.drawRect(QRectF(900, Mid - 80, 420, 160));
    wire(p, 1320, 1550);
    plusLabel(p, 1600, QStringLiteral("+V"));
}

// A relay coil between the output and plus, with its switching contact.
void drawRelay(QPainter& p, const QRect& area)
{
    designUnits(p, area, SlotW, SlotH);
    wire(p, 0, 500);
    p.setPen(pen(Ink, 30));
    QRectF coil(500, Mid - 150, 520, 300);
    p.setBrush(QColor(250, 240, 200));
    p.drawRect(coil);
    p.setBrush(Qt::NoBrush);
    p.drawLine(coil.bottomLeft(), coil.topRight());
    // The contact it works, joined to the coil by the dashed link.
    p.setPen(QPen(Ink, 18, Qt::DashLine));
    p.drawLine(QPointF(1020, Mid), QPointF(1140, Mid));
    p.setPen(pen(Ink, 25));
    p.drawLine(QPointF(1160, Mid + 120), QPointF(1330, Mid - 60));
    p.drawLine(QPointF(1160, Mid + 120), QPointF(1160, Mid + 200));
    p.drawLine(QPointF(1350, Mid + 40), QPointF(1350, Mid + 200));
    p.setPen(pen(Wire, 30));
    p.drawLine(QPointF(760, Mid - 150), QPointF(760, 40));
    p.drawLine(QPointF(760, 40), QPointF(1550, 40));
    p.drawLine(QPointF(1550, 40), QPointF(1550, Mid));
    plusLabel(p, 1600, QStringLiteral("+V"));
}

void drawGround(QPainter& p, const QRect& area)
{
    designUnits(p, area, SlotW, SlotH);
    wire(p, 0, 700);
    p.setPen(pen(Wire, 30));
    p.drawLine(QPointF(700, Mid), QPointF(700, 60));
    groundSymbol(p, 700, 60);
    text(p, QRectF(950, 0, 1400, SlotH), QStringLiteral("0V"), 200, Ink, Qt::AlignVCenter | Qt::AlignLeft);
}

// The external supply: a battery with its plus to the terminal.
void drawSupply(QPainter& p, const QRect& area)
{
    designUnits(p, area, SlotW, SlotH);
    wire(p, 0, 640);
    p.setPen(pen(Ink, 34));
    p.drawLine(QPointF(640, Mid - 190), QPointF(640, Mid + 190));  // long plate: plus
    p.drawLine(QPointF(740, Mid - 100), QPointF(740, Mid + 100));
    p.drawLine(QPointF(840, Mid - 190), QPointF(840, Mid + 190));
    p.drawLine(QPointF(940, Mid - 100), QPointF(940, Mid + 100));
    text(p, QRectF(480, -20, 200, 200), QStringLiteral("+"), 190, QColor(170, 0, 0), Qt::AlignCenter, true);
    wire(p, 940, 1150);
    groundSymbol(p, 1150, Mid);
    text(p, QRectF(1400, 0, 1000, SlotH), QStringLiteral("+12V"), 220, QColor(170, 0, 0),
         Qt::AlignVCenter | Qt::AlignLeft, true);
}

// ------------------------------------------------------------ the boards

const QColor Board(24, 110, 60), BoardEdge(10, 60, 30), Copper(205, 160, 60), Silk(235, 235, 225);

void boardOutline(QPainter& p, const QRectF& r)
{
    p.setPen(pen(BoardEdge, 40));
    p.setBrush(Board);
    p.drawRoundedRect(r, 160, 160);
    p.setBrush(QColor(190, 190, 190));
    p.setPen(pen(BoardEdge, 20));
    for (QPointF c : {r.topLeft() + QPointF(200, 200), r.topRight() + QPointF(-200, 200),
                      r.bottomLeft() + QPointF(200, -200), r.bottomRight() + QPointF(-200, -200)})
        p.drawEllipse(c, 80, 80);
}

void chip(QPainter& p, const QRectF& r, const QString& name, int pinsPerSide)
{
    p.setPen(pen(QColor(170, 170, 170), 16));
    double step = r.width() / (pinsPerSide + 1);
    for (int i = 1; i <= pinsPerSide; ++i) {
        double x = r.left() + i * step;
        p.drawLine(QPointF(x, r.top() - 70), QPointF(x, r.top()));
        p.drawLine(QPointF(x, r.bottom()), QPointF(x, r.bottom() + 70));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(35, 35, 35));
    p.drawRoundedRect(r, 30, 30);
    text(p, r, name, std::min(r.height() * 0.35, 220.0), Silk);
}

void gsmModule(QPainter& p, const QRectF& r)
{
    p.setPen(pen(QColor(120, 120, 120), 20));
    p.setBrush(QColor(200, 203, 208));
    p.drawRect(r);
    text(p, r.adjusted(0, 0, 0, -r.height() / 3), QStringLiteral("GSM"), r.height() * 0.22, QColor(60, 60, 70),
         Qt::AlignCenter, true);
    // Signal bars.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 70));
    double base = r.bottom() - r.height() * 0.18;
    for (int i = 0; i < 4; ++i) {
        double h = r.height() * (0.06 + 0.05 * i);
        p.drawRect(QRectF(r.center().x() - 260 + i * 140, base - h, 90, h));
    }
}

void simHolder(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.left() + 250, r.top());
    path.lineTo(r.right(), r.top());
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + 250);
    path.closeSubpath();
    p.setPen(pen(QColor(140, 140, 140), 20));
    p.setBrush(QColor(215, 215, 215));
    p.drawPath(path);
    text(p, r, QStringLiteral("SIM"), 220, QColor(80, 80, 80), Qt::AlignCenter, true);
}

// The screw terminals: one per pin row of the pin table beside the board.
void terminals(QPainter& p, double right, double firstCentre, double step, int count)
{
    for (int i = 0; i < count; ++i) {
        double y = firstCentre + i * step;
        QRectF block(right - 520, y - 210, 520, 420);
        p.setPen(pen(QColor(0, 70, 140), 16));
        p.setBrush(QColor(40, 120, 200));
        p.drawRect(block);
        p.setBrush(QColor(200, 200, 200));
        p.setPen(pen(QColor(90, 90, 90), 14));
        p.drawEllipse(block.center(), 130, 130);
        p.drawLine(block.center() + QPointF(-90, 0), block.center() + QPointF(90, 0));
        // Trace from the terminal into the board.
        p.setPen(pen(Copper, 40));
        p.drawLine(QPointF(right - 520, y), QPointF(right - 900, y));
    }
}

void sensorHeader(QPainter& p, QPointF at, bool horizontal)
{
    p.setPen(pen(QColor(20, 20, 20), 14));
    p.setBrush(QColor(40, 40, 40));
    QRectF r = horizontal ? QRectF(at, QSizeF(600, 220)) : QRectF(at, QSizeF(220, 600));
    p.drawRect(r);
    p.setBrush(QColor(220, 180, 60));
    for (int i = 0; i < 3; ++i) {
        QPointF c = horizontal ? QPointF(at.x() + 100 + i * 200, at.y() + 110)
                               : QPointF(at.x() + 110, at.y() + 100 + i * 200);
        p.drawEllipse(c, 45, 45);
    }
    text(p, horizontal ? QRectF(at.x(), at.y() + 230, 600, 200) : QRectF(at.x() + 240, at.y(), 500, 600),
         QStringLiteral("DS"), 160, Silk);
}

void ledIndicator(QPainter& p, QPointF at, const QString& label)
{
    p.setPen(pen(QColor(120, 0, 0), 14));
    p.setBrush(QColor(240, 50, 50));
    p.drawEllipse(at, 90, 90);
    text(p, QRectF(at.x() - 400, at.y() + 110, 800, 200), label, 150, Silk);
}

void capacitors(QPainter& p, QPointF at, int count)
{
    for (int i = 0; i < count; ++i) {
        QPointF c = at + QPointF(i * 360, 0);
        p.setPen(pen(QColor(30, 30, 90), 14));
        p.setBrush(QColor(60, 70, 160));
        p.drawEllipse(c, 150, 150);
        p.setPen(pen(QColor(220, 220, 230), 12));
        p.drawLine(c + QPointF(-150, -40), c + QPointF(150, -40));
    }
}

void drawBoardQ(QPainter& p, const QRect& area)
{
    constexpr double W = 7215, H = 6135;
    designUnits(p, area, W, H);
    QRectF board(60, 60, W - 120, H - 120);
    boardOutline(p, board);
    // Terminals line up with the pin rows 10 (top) to 1 (bottom).
    terminals(p, board.right() - 60, 840, 480, 10);
    gsmModule(p, QRectF(500, 700, 2700, 2000));
    p.setBrush(QColor(220, 180, 60));
    p.setPen(pen(QColor(120, 90, 20), 16));
    p.drawEllipse(QPointF(400, 450), 130, 130);  // antenna socket
    simHolder(p, QRectF(500, 3100, 2000, 1400));
    chip(p, QRectF(3600, 1500, 2000, 700), QStringLiteral("MCU"), 14);
    chip(p, QRectF(3700, 3300, 900, 500), QStringLiteral("ULN"), 5);
    capacitors(p, QPointF(800, 5200), 3);
    chip(p, QRectF(2300, 5000, 700, 400), QStringLiteral("7805"), 3);
    sensorHeader(p, QPointF(2700, 150), true);
    ledIndicator(p, QPointF(5000, 5300), QStringLiteral("LED"));
    text(p, QRectF(3300, 4300, 2500, 400), QStringLiteral("плата q"), 300, Silk, Qt::AlignCenter, true);
}

void drawBoardQn(QPainter& p, const QRect& area)
{
    constexpr double W = 5295, H = 5775;
    designUnits(p, area, W, H);
    QRectF board(60, 60, W - 120, H - 120);
    boardOutline(p, board);
    // Terminals line up with the pin rows 1 (top) to 10 (bottom).
    terminals(p, board.right() - 60, 1080, 480, 10);
    gsmModule(p, QRectF(900, 500, 2400, 1800));
    simHolder(p, QRectF(900, 2600, 1800, 1300));
    chip(p, QRectF(2900, 2700, 1100, 600), QStringLiteral("MCU"), 8);
    capacitors(p, QPointF(1000, 4600), 2);
    chip(p, QRectF(2000, 4450, 700, 400), QStringLiteral("7805"), 3);
    sensorHeader(p, QPointF(120, 300), false);
    ledIndicator(p, QPointF(3300, 4700), QStringLiteral("LED"));
    text(p, QRectF(700, 5050, 3300, 400), QStringLiteral("плата qn"), 300, Silk, Qt::AlignCenter, true);
}

// TO-92 body seen from above, leads to the right.
void sensorBody(QPainter& p, const QRectF& body)
{
    QPainterPath path;
    path.moveTo(body.right(), body.top());
    path.arcTo(QRectF(body.left(), body.top(), body.width() * 2 - 2 * (body.right() - body.center().x()), body.height()),
               90, 180);
    path.lineTo(body.right(), body.bottom());
    path.closeSubpath();
    p.setPen(pen(QColor(10, 10, 10), 18));
    p.setBrush(QColor(45, 45, 45));
    p.drawPath(path);
}

void drawDs1821(QPainter& p, const QRect& area)
{
    constexpr double W = 2055, H = 375;
    designUnits(p, area, W, H);
    sensorBody(p, QRectF(20, 20, 600, H - 40));
    text(p, QRectF(40, 20, 560, H - 40), QStringLiteral("DS1821"), 120, Silk);
    const QColor leads[] = {QColor(20, 20, 20), QColor(230, 200, 20), QColor(200, 30, 30)};
    for (int i = 0; i < 3; ++i) {
        double y = 90 + i * 100;
        p.setPen(pen(leads[i], 40));
        p.drawLine(QPointF(620, y), QPointF(W - 30, y));
    }
}

// How the sensor joins board qn: its three wires and what each carries.
void drawQnTermo(QPainter& p, const QRect& area)
{
    constexpr double W = 2295, H = 3015;
    designUnits(p, area, W, H);
    p.setPen(pen(QColor(120, 120, 120), 15));
    p.setBrush(QColor(250, 250, 240));
    p.drawRoundedRect(QRectF(20, 20, W - 40, H - 40), 80, 80);
    text(p, QRectF(60, 60, W - 120, 300), QStringLiteral("датчик T внешн."), 170, Ink, Qt::AlignCenter, true);
    // The thermometer.
    p.setPen(pen(Ink, 20));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(300, 450, 220, 1300), 110, 110);
    p.setBrush(QColor(210, 30, 30));
    p.drawEllipse(QPointF(410, 1850), 200, 200);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(370, 900, 80, 900));
    p.setPen(pen(Ink, 12));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(520, 600 + i * 180), QPointF(620, 600 + i * 180));
    // Leads: ground, data, plus.
    const QColor colours[] = {QColor(20, 20, 20), QColor(230, 200, 20), QColor(200, 30, 30)};
    const QString names[] = {QStringLiteral("GND"), QStringLiteral("DQ"), QStringLiteral("+V")};
    for (int i = 0; i < 3; ++i) {
        double y = 2300 + i * 220;
        p.setPen(pen(colours[i], 45));
        p.drawLine(QPointF(250, y), QPointF(W - 150, y));
        text(p, QRectF(900, y - 210, 800, 200), names[i], 150, Ink);
    }
    sensorBody(p, QRectF(40, 2200, 260, 700));
}

}  // namespace

void addDiagramDrawings(Drawings& drawings)
{
    drawings.add("empty", drawEmpty);
    drawings.add("contact_open", [](QPainter& p, const QRect& a) { drawContact(p, a, false); });
    drawings.add("contact_close", [](QPainter& p, const QRect& a) { drawContact(p, a, true); });
    drawings.add("led_plus", drawLed);
    drawings.add("relay_plus", drawRelay);
    drawings.add("ground", drawGround);
    drawings.add("supply", drawSupply);
    drawings.add("board_q", drawBoardQ);
    drawings.add("board_qn", drawBoardQn);
    drawings.add("board_qn_termo", drawQnTermo);
    drawings.add("ds1821", drawDs1821);
}

}  // namespace qt
