#pragma once
#include <QFont>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "qt/drawings.h"
#include "ui/window.h"

namespace qt {

// Places and sizes of a window table (1/1440 inch) in pixels of a screen
// with the given logical resolution: 96 dots per inch give 15 units a pixel.
struct Twips {
    double dpi = 96;
    int px(int twips) const;
    QRect rect(const ui::Rect& r) const;
};

// A window table shown as real widgets. Every control of the model gets its
// widget at its place; the widget follows the model on every change, and
// what the user does goes to the model's user* operations, which decide the
// result (a check box changes only when the model says so). A window closed
// by its title bar is hidden in the model.
class WindowView : public QWidget {
    Q_OBJECT
public:
    explicit WindowView(ui::Window& model, const Drawings& drawings = Drawings::shared(),
                        QWidget* parent = nullptr);
    ~WindowView() override;

    ui::Window& model() const { return model_; }
    // The widget of a control; nullptr for a control without one (timers).
    QWidget* widget(const std::string& name) const;
    // The font the windows are designed for, at the size that fits their texts.
    static QFont designFont();
    const Twips& units() const { return units_; }

signals:
    // The user closed the window by its title bar.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class Binder;
    void build();
    QWidget* parentFor(const ui::ControlSpec& spec) const;
    void refreshWindow();

    ui::Window& model_;
    const Drawings& drawings_;
    Twips units_;
    std::shared_ptr<bool> alive_;
    int updating_ = 0;  // > 0 while the view copies the model into widgets
    QWidget* pagesOwner_ = nullptr;
    std::vector<QWidget*> pages_;
    std::unordered_map<std::string, QWidget*> widgets_;
    std::vector<std::function<void()>> refreshers_;
    std::unique_ptr<Binder> binder_;  // the bindings refer to it
};

}  // namespace qt
