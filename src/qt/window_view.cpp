#include "qt/window_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "qt/unhandled.h"

namespace qt {

// ---------------------------------------------------------------- units

int Twips::px(int twips) const { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

QRect Twips::rect(const ui::Rect& r) const
{
    // Edges are rounded, not sizes, so neighbours stay flush.
    int left = px(r.left), top = px(r.top);
    return QRect(left, top, px(r.left + r.width) - left, px(r.top + r.height) - top);
}

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

// The windows were laid out for a font of this size in points.
constexpr double DesignPoints = 8.25;
// The size of the design font that makes the texts take the same room.
constexpr double FontPoints = 7.5;

// The window frame around the client area of a fixed-border window.
constexpr int FrameWidth = 90;    // both sides together, 1/1440 inch
constexpr int FrameHeight = 405;  // title bar and borders

QColor colorOf(std::int32_t color, const QPalette& palette)
{
    switch (color) {
    case ui::color::Highlight: return palette.color(QPalette::Highlight);
    case ui::color::ButtonFace: return palette.color(QPalette::Button);
    case ui::color::WindowBackground: return palette.color(QPalette::Base);
    default: break;
    }
    if (color < 0)
        return palette.color(QPalette::Button);
    // Plain colours are stored as 0x00BBGGRR.
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

Qt::Alignment horizontalOf(int alignment)
{
    switch (alignment) {
    case 1: return Qt::AlignRight;
    case 2: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

QFont fontFor(const ui::ControlSpec& spec, const QFont& base)
{
    QFont font = base;
    if (spec.fontPoints > 0)
        font.setPointSizeF(spec.fontPoints * FontPoints / DesignPoints);
    font.setBold(spec.bold);
    return font;
}

// A command button whose caption wraps onto more lines when it is long.
class WrapButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(1, 0, -1, 0);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};

// A check box that leaves its state to the model (a click only reports
// the click) and wraps a long caption when it is tall enough.
class ModelCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_CheckBox, option);
        if (caption.isEmpty())
            return;
        QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
        QRect area = rect().adjusted(indicator.right() + 4, 0, 0, 0);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, caption);
    }
};

// A label that reports presses.
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onPress;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && onPress)
            onPress();
        QLabel::mousePressEvent(event);
    }
};

// A picture box: shows the named drawing of the registry.
class PictureBox : public QWidget {
public:
    PictureBox(const ui::Picture& model, const Drawings& drawings, QWidget* parent)
        : QWidget(parent), model_(model), drawings_(drawings)
    {
    }
    std::function<void()> onPress;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        drawings_.draw(model_.picture(), painter, rect());
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && onPress)
            onPress();
    }

private:
    const ui::Picture& model_;
    const Drawings& drawings_;
};

// A drawn line: a filled strip of its thickness.
class LineWidget : public QWidget {
public:
    explicit LineWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), palette().color(QPalette::WindowText)); }
};

// Tabs in one row sharing the width of the tab control evenly.
class EvenTabBar : public QTabBar {
public:
    explicit EvenTabBar(int rowWidth) : rowWidth_(rowWidth) { setExpanding(false); }

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize size = QTabBar::tabSizeHint(index);
        int share = rowWidth_ / std::max(1, count());
        // The last tab takes what the division leaves over.
        if (index == count() - 1)
            share = rowWidth_ - share * (count() - 1);
        return QSize(share, size.height());
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent*) override
    {
        // The captions are drawn over the tab shapes; a caption longer than
        // its tab is set narrower rather than cut off.
        QStylePainter painter(this);
        for (int i = 0; i < count(); ++i) {
            QStyleOptionTab option;
            initStyleOption(&option, i);
            painter.drawControl(QStyle::CE_TabBarTabShape, option);
            QRect area = option.rect.adjusted(3, 0, -3, 0);
            int needed = painter.fontMetrics().horizontalAdvance(option.text);
            double squeeze = needed > area.width() ? double(area.width()) / needed : 1.0;
            painter.save();
            painter.translate(area.center().x() + 1, area.top());
            painter.scale(squeeze, 1.0);
            QRect text(-needed / 2 - 1, 0, needed + 2, area.height());
            painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
            painter.drawText(text, Qt::AlignCenter, option.text);
            painter.restore();
        }
    }

private:
    int rowWidth_;
};

class EvenTabWidget : public QTabWidget {
public:
    EvenTabWidget(int rowWidth, QWidget* parent) : QTabWidget(parent)
    {
        auto* bar = new EvenTabBar(rowWidth);
        setTabBar(bar);
        setUsesScrollButtons(false);
        tabBar()->setElideMode(Qt::ElideNone);
    }
};

// Lightweight controls lie beneath the windowed ones of the same parent.
bool isLightweight(ui::Kind kind)
{
    return kind == ui::Kind::Label || kind == ui::Kind::Line || kind == ui::Kind::Image;
}

}  // namespace

// ---------------------------------------------------------------- binder

// Makes the widget of one control and binds it both ways.
class WindowView::Binder {
public:
    explicit Binder(WindowView& view) : view_(view) {}

    QWidget* make(ui::Control& control, QWidget* parent)
    {
        switch (control.kind()) {
        case ui::Kind::TabControl: return tabs(static_cast<ui::TabControl&>(control), parent);
        case ui::Kind::TextField: return text(static_cast<ui::TextField&>(control), parent);
        case ui::Kind::CheckBox: return check(static_cast<ui::CheckBox&>(control), parent);
        case ui::Kind::List: return list(static_cast<ui::List&>(control), parent);
        case ui::Kind::Label: return label(static_cast<ui::Label&>(control), parent);
        case ui::Kind::Button: return button(static_cast<ui::Button&>(control), parent);
        case ui::Kind::Grid: return grid(static_cast<ui::Grid&>(control), parent);
        case ui::Kind::Picture: return picture(static_cast<ui::Picture&>(control), parent);
        case ui::Kind::Image: return image(static_cast<ui::Picture&>(control), parent);
        case ui::Kind::Line: return line(control, parent);
        case ui::Kind::Timer: return nullptr;
        }
        return nullptr;
    }

private:
    // Runs a user's action on the model, unless the view itself is busy
    // copying the model into the widgets.
    void user(const std::function<void()>& action)
    {
        if (view_.updating_ > 0)
            return;
        guarded(action);
    }

    // Registers how a widget follows its control, and runs it once.
    void follow(ui::Control& control, QWidget* widget, std::function<void()> refresh)
    {
        auto full = [this, &control, widget, refresh = std::move(refresh)] {
            ++view_.updating_;
            widget->setGeometry(view_.units_.rect(control.place()));
            widget->setEnabled(control.enabled());
            widget->setVisible(control.visible());
            widget->setToolTip(qs(control.toolTip()));
            refresh();
            --view_.updating_;
        };
        std::weak_ptr<bool> alive = view_.alive_;
        control.observe([alive, full] {
            if (auto on = alive.lock(); on && *on)
                full();
        });
        view_.refreshers_.push_back(full);
        widget->setFont(fontFor(control.spec(), view_.font()));
        full();
    }

    QWidget* tabs(ui::TabControl& model, QWidget* parent)
    {
        // The tabs share one row evenly, as the window was designed.
        auto* w = new EvenTabWidget(view_.units_.px(model.place().width) - 2, parent);
        for (int i = 0; i < model.count(); ++i) {
            auto* page = new QWidget;
            w->addTab(page, qs(model.caption(i)));
            view_.pages_.push_back(page);
        }
        view_.pagesOwner_ = w;
        QObject::connect(w, &QTabWidget::currentChanged, w, [this, &model](int index) {
            user([&] { model.setCurrent(index); });
        });
        follow(model, w, [&model, w] {
            for (int i = 0; i < model.count() && i < w->count(); ++i)
                w->setTabText(i, qs(model.caption(i)));
            w->setCurrentIndex(model.current());
        });
        return w;
    }

    static QString shownText(const std::string& text)
    {
        QString s = qs(text);
        s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        return s;
    }

    static std::string modelText(QString text)
    {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        return text.toStdString();
    }

    QWidget* text(ui::TextField& model, QWidget* parent)
    {
        if (model.spec().multiLine) {
            auto* w = new QPlainTextEdit(parent);
            w->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            w->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            QObject::connect(w, &QPlainTextEdit::textChanged, w, [this, &model, w] {
                user([&] { model.userEdit(modelText(w->toPlainText())); });
            });
            auto lastCaret = std::make_shared<int>(-1);
            follow(model, w, [&model, w, lastCaret] {
                QString wanted = shownText(model.text());
                bool replaced = w->toPlainText() != wanted;
                if (replaced)
                    w->setPlainText(wanted);
                if (replaced || model.caret() != *lastCaret) {
                    QTextCursor cursor = w->textCursor();
                    cursor.setPosition(std::min<int>(model.caret(), static_cast<int>(w->document()->characterCount()) - 1));
                    w->setTextCursor(cursor);
                    w->ensureCursorVisible();
                    *lastCaret = model.caret();
                }
                if (model.allSelected())
                    w->selectAll();
            });
            return w;
        }
        auto* w = new QLineEdit(parent);
        w->setTextMargins(1, 0, 1, 0);
        QObject::connect(w, &QLineEdit::textEdited, w, [this, &model](const QString& typed) {
            user([&] { model.userEdit(typed.toStdString()); });
        });
        follow(model, w, [&model, w] {
            w->setAlignment(horizontalOf(model.spec().alignment) | Qt::AlignVCenter);
            QString wanted = qs(model.text());
            if (w->text() != wanted) {
                // A correction of typed text keeps the caret where the user was.
                int caret = w->cursorPosition();
                w->setText(wanted);
                if (w->hasFocus())
                    w->setCursorPosition(std::min<int>(caret, static_cast<int>(wanted.size())));
                else
                    w->setCursorPosition(0);
            }
            if (model.allSelected() && w->selectedText() != w->text())
                w->selectAll();
        });
        return w;
    }

    QWidget* check(ui::CheckBox& model, QWidget* parent)
    {
        auto* w = new ModelCheckBox(parent);
        QObject::connect(w, &QCheckBox::clicked, w, [this, &model] { user([&] { model.userClick(); }); });
        follow(model, w, [&model, w] {
            w->setText(qs(model.caption()));
            w->setTristate(model.value() == 2);
            w->setCheckState(model.value() == 1 ? Qt::Checked : model.value() == 2 ? Qt::PartiallyChecked
                                                                                   : Qt::Unchecked);
        });
        return w;
    }

    QWidget* list(ui::List& model, QWidget* parent)
    {
        auto* w = new QComboBox(parent);
        w->setPlaceholderText(qs(model.spec().caption));
        w->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        QObject::connect(w, &QComboBox::activated, w, [this, &model](int index) {
            user([&] { model.userSelect(index); });
        });
        follow(model, w, [&model, w] {
            bool same = w->count() == model.count();
            for (int i = 0; same && i < model.count(); ++i)
                same = w->itemText(i) == qs(model.items()[static_cast<std::size_t>(i)]);
            if (!same) {
                w->clear();
                for (const std::string& item : model.items())
                    w->addItem(qs(item));
            }
            if (w->currentIndex() != model.listIndex())
                w->setCurrentIndex(model.listIndex());
        });
        return w;
    }

    QWidget* label(ui::Label& model, QWidget* parent)
    {
        auto* w = new ClickLabel(parent);
        w->setTextFormat(Qt::PlainText);
        // The platform's labels break a caption that is wider than the
        // label onto the following lines, whatever their wrap setting says
        // about sizing; several captions are laid out to rely on it.
        w->setWordWrap(true);
        w->setAlignment(horizontalOf(model.spec().alignment) | Qt::AlignTop);
        w->onPress = [this, &model] { user([&] { model.userClick(); }); };
        follow(model, w, [&model, w] {
            w->setText(qs(model.caption()));
            bool filled = !model.spec().transparent;
            w->setAutoFillBackground(filled);
            if (filled) {
                QPalette palette = w->parentWidget()->palette();
                palette.setColor(QPalette::Window, colorOf(model.backColor(), palette));
                w->setPalette(palette);
            }
        });
        return w;
    }

    QWidget* button(ui::Button& model, QWidget* parent)
    {
        auto* w = new WrapButton(parent);
        w->setAutoDefault(false);
        QObject::connect(w, &QPushButton::clicked, w, [this, &model] { user([&] { model.userClick(); }); });
        follow(model, w, [&model, w] {
            w->setText(qs(model.caption()));
            QPalette palette = w->parentWidget()->palette();
            if (model.backColor() != ui::color::ButtonFace) {
                palette.setColor(QPalette::Button, colorOf(model.backColor(), palette));
                if (model.backColor() == ui::color::Highlight)
                    palette.setColor(QPalette::ButtonText, palette.color(QPalette::HighlightedText));
            }
            w->setPalette(palette);
        });
        return w;
    }

    QWidget* grid(ui::Grid& model, QWidget* parent)
    {
        auto* w = new QTableWidget(parent);
        w->horizontalHeader()->hide();
        w->verticalHeader()->hide();
        w->horizontalHeader()->setMinimumSectionSize(1);
        w->verticalHeader()->setMinimumSectionSize(1);
        w->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        w->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        w->setEditTriggers(QAbstractItemView::NoEditTriggers);
        w->setSelectionMode(QAbstractItemView::NoSelection);
        w->setFocusPolicy(Qt::NoFocus);
        w->setWordWrap(true);
        w->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
        // A grid shows its cells as laid out, clipped at its border, like the
        // fixed tables of the original window: no scroll bars, no "..." and
        // a thin cell margin so the texts keep their room.
        w->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        w->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        w->setTextElideMode(Qt::ElideNone);
        w->setStyleSheet("QTableWidget::item { padding: 0px 1px; }");
        QObject::connect(w, &QTableWidget::cellClicked, w, [this, &model](int row, int col) {
            user([&] { model.userClick(row, col); });
        });
        const Twips& units = view_.units_;
        follow(model, w, [&model, w, &units] {
            if (w->rowCount() != model.rows())
                w->setRowCount(model.rows());
            if (w->columnCount() != model.cols())
                w->setColumnCount(model.cols());
            QColor fixed = w->palette().color(QPalette::Button);
            for (int c = 0; c < model.cols(); ++c)
                if (w->columnWidth(c) != units.px(model.colWidth(c)))
                    w->setColumnWidth(c, units.px(model.colWidth(c)));
            // Only grids with rows tall enough for two lines wrap their texts.
            bool tallRows = false;
            for (int r = 0; r < model.rows(); ++r)
                tallRows = tallRows || model.rowHeight(r) >= 480;
            if (w->wordWrap() != tallRows)
                w->setWordWrap(tallRows);
            for (int r = 0; r < model.rows(); ++r) {
                if (w->rowHeight(r) != units.px(model.rowHeight(r)))
                    w->setRowHeight(r, units.px(model.rowHeight(r)));
                for (int c = 0; c < model.cols(); ++c) {
                    QTableWidgetItem* item = w->item(r, c);
                    if (!item) {
                        item = new QTableWidgetItem;
                        item->setFlags(Qt::ItemIsEnabled);
                        if (r < model.fixedRows() || c < model.fixedCols())
                            item->setBackground(fixed);
                        w->setItem(r, c, item);
                    }
                    QString text = qs(model.cell(r, c));
                    if (item->text() != text) {
                        item->setText(text);
                        // Marks and short values sit in the middle of their cells.
                        item->setTextAlignment(text.size() <= 3 ? Qt::AlignCenter
                                                                : Qt::AlignVCenter | Qt::AlignLeft);
                    }
                }
            }
        });
        return w;
    }

    QWidget* picture(ui::Picture& model, QWidget* parent)
    {
        auto* w = new PictureBox(model, view_.drawings_, parent);
        w->onPress = [this, &model] { user([&] { model.userClick(); }); };
        follow(model, w, [w] { w->update(); });
        return w;
    }

    QWidget* image(ui::Picture& model, QWidget* parent)
    {
        auto* w = new ClickLabel(parent);
        w->onPress = [this, &model] { user([&] { model.userClick(); }); };
        auto shownFile = std::make_shared<std::string>();
        follow(model, w, [&model, w, shownFile] {
            if (model.file() == *shownFile && !w->pixmap().isNull())
                return;
            *shownFile = model.file();
            QPixmap pixmap(qs(model.file()));
            w->setPixmap(pixmap.isNull() ? QPixmap()
                                         : pixmap.scaled(w->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        });
        return w;
    }

    QWidget* line(ui::Control& model, QWidget* parent)
    {
        auto* w = new LineWidget(parent);
        const Twips& units = view_.units_;
        follow(model, w, [&model, w, &units] {
            // The place gives where the line runs; its thickness is in pixels.
            const ui::ControlSpec& spec = model.spec();
            QRect r = units.rect(model.place());
            int thickness = std::max(1, spec.thickness);
            if (spec.vertical)
                w->setGeometry(r.left(), r.top(), thickness, std::max(1, r.height()));
            else
                w->setGeometry(r.left(), r.top(), std::max(1, r.width()), thickness);
        });
        return w;
    }

    WindowView& view_;
};

// ---------------------------------------------------------------- view

WindowView::WindowView(ui::Window& model, const Drawings& drawings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      model_(model), drawings_(drawings), alive_(std::make_shared<bool>(true))
{
    if (QScreen* screen = QGuiApplication::primaryScreen())
        units_.dpi = screen->logicalDotsPerInchX();
    setFont(designFont());
    setObjectName(qs(model.spec().name));
    build();
    std::weak_ptr<bool> alive = alive_;
    model_.observe([this, alive] {
        if (auto on = alive.lock(); on && *on)
            refreshWindow();
    });
    refreshWindow();
}

WindowView::~WindowView() { *alive_ = false; }


QFont WindowView::designFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(FontPoints);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QWidget* WindowView::widget(const std::string& name) const
{
    auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

QWidget* WindowView::parentFor(const ui::ControlSpec& spec) const
{
    if (spec.tab >= 0 && spec.tab < static_cast<int>(pages_.size()))
        return pages_[static_cast<std::size_t>(spec.tab)];
    return const_cast<WindowView*>(this);
}

void WindowView::build()
{
    binder_ = std::make_unique<Binder>(*this);
    Binder& binder = *binder_;
    // The tab control first: its pages hold the controls of the tabs.
    for (const auto& control : model_.controls())
        if (control->kind() == ui::Kind::TabControl && control->name() == model_.spec().tabControl)
            widgets_[control->name()] = binder.make(*control, this);

    std::vector<QWidget*> lightweight;
    for (const auto& control : model_.controls()) {
        if (widgets_.count(control->name()))
            continue;
        QWidget* w = binder.make(*control, parentFor(control->spec()));
        if (!w)
            continue;
        widgets_[control->name()] = w;
        if (isLightweight(control->kind()))
            lightweight.push_back(w);
    }
    for (auto it = lightweight.rbegin(); it != lightweight.rend(); ++it)
        (*it)->lower();

    // The client area is the designed outer size less the frame, grown where
    // the design reaches past it so that no control is cut off.
    int width = model_.spec().width - FrameWidth, height = model_.spec().height - FrameHeight;
    for (const auto& control : model_.controls()) {
        const ui::ControlSpec& spec = control->spec();
        if (spec.tab >= 0 || spec.kind == ui::Kind::Timer)
            continue;
        width = std::max(width, spec.place.left + spec.place.width);
        height = std::max(height, spec.place.top + spec.place.height);
    }
    setFixedSize(units_.px(width), units_.px(height));
}

void WindowView::refreshWindow()
{
    ++updating_;
    setWindowTitle(qs(model_.caption()));
    if (model_.shown() && !isVisible())
        show();
    else if (!model_.shown() && isVisible())
        hide();
    --updating_;
}

void WindowView::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (updating_ == 0 && model_.shown()) {
        guarded([this] { model_.hide(); });
        emit closedByUser();
    }
}

}  // namespace qt
