#include "bench/baseline/QtBaseline.h"

#include "bench/ThreadClock.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <malloc.h>

#include <memory>

#ifdef ZK_BENCH_UITOOLS
#include <QUiLoader>
#endif

using FormPlan::Kind;

namespace QtBaseline {

struct Form {
    std::unique_ptr<QWidget> window;
    /// The widgets in plan order, parents first.
    std::vector<QWidget*> widgets;
};

namespace {
QWidget* MakeWidget(Kind kind, const QString& text, QWidget* parent) {
    switch (kind) {
    case Kind::Panel: {
        auto* frame = new QFrame(parent);
        frame->setFrameShape(QFrame::Panel);
        frame->setFrameShadow(QFrame::Raised);
        frame->setAutoFillBackground(true);
        return frame;
    }
    case Kind::GroupBox:
        return new QGroupBox(text, parent);
    case Kind::Label:
        return new QLabel(text, parent);
    case Kind::Edit:
        return new QLineEdit(text, parent);
    case Kind::CheckBox:
        return new QCheckBox(text, parent);
    case Kind::Button:
        return new QPushButton(text, parent);
    }
    return nullptr;
}

/// The process events a framework step ends with, so that both sides paint the same way.
void Flush() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

/// A widget taken into an overlay, and what it needs to go back.
struct Wrapped {
    QWidget* widget;
    QWidget* home;
    QRect bounds;
    QWidget* overlay;
};

Wrapped Wrap(QWidget* w) {
    constexpr int margin = 4;
    Wrapped wrapped{w, w->parentWidget(), w->geometry(), nullptr};
    auto* overlay = new QWidget(wrapped.home);
    overlay->setGeometry(wrapped.bounds.adjusted(-margin, -margin, margin, margin));
    overlay->setMask(QRegion(margin, margin, wrapped.bounds.width(), wrapped.bounds.height()));
    w->setParent(overlay);
    w->move(margin, margin);
    w->show();
    overlay->show();
    wrapped.overlay = overlay;
    return wrapped;
}

void Unwrap(const Wrapped& wrapped) {
    wrapped.widget->setParent(wrapped.home);
    wrapped.widget->setGeometry(wrapped.bounds);
    wrapped.widget->show();
    delete wrapped.overlay;
}

std::vector<Wrapped> WrapAll(Form* form) {
    std::vector<Wrapped> wrapped;
    wrapped.reserve(form->widgets.size());
    for (QWidget* w : form->widgets)
        wrapped.push_back(Wrap(w));
    return wrapped;
}

void UnwrapAll(const std::vector<Wrapped>& wrapped) {
    for (auto it = wrapped.rbegin(); it != wrapped.rend(); ++it)
        Unwrap(*it);
}

const char* UiClass(Kind kind) {
    switch (kind) {
    case Kind::Panel:
        return "QFrame";
    case Kind::GroupBox:
        return "QGroupBox";
    case Kind::Label:
        return "QLabel";
    case Kind::Edit:
        return "QLineEdit";
    case Kind::CheckBox:
        return "QCheckBox";
    case Kind::Button:
        return "QPushButton";
    }
    return "QWidget";
}

std::string UiRect(int x, int y, int w, int h) {
    return "<property name=\"geometry\"><rect><x>" + std::to_string(x) + "</x><y>" +
           std::to_string(y) + "</y><width>" + std::to_string(w) + "</width><height>" +
           std::to_string(h) + "</height></rect></property>\n";
}

void UiWidget(const std::vector<FormPlan::Node>& plan, const std::vector<std::vector<int>>& kids,
              int index, std::string& out) {
    const FormPlan::Node& n = plan[static_cast<size_t>(index)];
    out += "<widget class=\"" + std::string(UiClass(n.kind)) + "\" name=\"" + n.name + "\">\n";
    out += UiRect(n.left, n.top, n.width, n.height);
    switch (n.kind) {
    case Kind::Panel:
        out += "<property name=\"frameShape\"><enum>QFrame::Panel</enum></property>\n"
               "<property name=\"frameShadow\"><enum>QFrame::Raised</enum></property>\n"
               "<property name=\"autoFillBackground\"><bool>true</bool></property>\n";
        break;
    case Kind::GroupBox:
        out += "<property name=\"title\"><string>" + n.text + "</string></property>\n";
        break;
    default:
        out += "<property name=\"text\"><string>" + n.text + "</string></property>\n";
        break;
    }
    for (int kid : kids[static_cast<size_t>(index)])
        UiWidget(plan, kids, kid, out);
    out += "</widget>\n";
}
} // namespace

Form* Build(const std::vector<FormPlan::Node>& plan) {
    auto* form = new Form;
    form->window = std::make_unique<QWidget>();
    form->window->setGeometry(0, 0, FormPlan::FormWidth, FormPlan::FormHeight);
    for (const FormPlan::Node& n : plan) {
        QWidget* parent =
            n.parent < 0 ? form->window.get() : form->widgets[static_cast<size_t>(n.parent)];
        QWidget* w = MakeWidget(n.kind, QString::fromStdString(n.text), parent);
        w->setObjectName(QString::fromStdString(n.name));
        w->setGeometry(n.left, n.top, n.width, n.height);
        form->widgets.push_back(w);
    }
    form->window->show();
    Flush();
    return form;
}

void Free(Form* form) {
    delete form;
    Flush();
}

double WrapAndUnwrap(Form* form) {
    double t0 = ThreadSeconds();
    const std::vector<Wrapped> wrapped = WrapAll(form);
    const double spent = ThreadSeconds() - t0;
    Flush();
    t0 = ThreadSeconds();
    UnwrapAll(wrapped);
    const double t = spent + ThreadSeconds() - t0;
    Flush();
    return t;
}

double WrapBytesPerWidget(Form* form) {
    Flush();
    const size_t before = mallinfo2().uordblks;
    std::vector<Wrapped> wrapped = WrapAll(form);
    Flush();
    const size_t after = mallinfo2().uordblks;
    UnwrapAll(wrapped);
    Flush();
    return (static_cast<double>(after) - static_cast<double>(before)) /
           static_cast<double>(wrapped.size());
}

std::vector<double> DragSteps(Form* form, int steps) {
    QWidget* edit = nullptr;
    for (QWidget* w : form->widgets)
        if (qobject_cast<QLineEdit*>(w)) {
            edit = w;
            break;
        }
    const Wrapped wrapped = Wrap(edit);
    Flush();
    std::vector<double> times;
    for (int i = 0; i < steps; ++i) {
        const double t0 = ThreadSeconds();
        wrapped.overlay->move(wrapped.overlay->pos() + QPoint(i % 2 == 0 ? 1 : -1, 0));
        Flush();
        times.push_back(ThreadSeconds() - t0);
    }
    Unwrap(wrapped);
    Flush();
    return times;
}

double MakeWidgets(const std::vector<FormPlan::Node>& plan) {
    const double t0 = ThreadSeconds();
    auto window = std::make_unique<QWidget>();
    window->setGeometry(0, 0, FormPlan::FormWidth, FormPlan::FormHeight);
    std::vector<QWidget*> widgets;
    widgets.reserve(plan.size());
    for (const FormPlan::Node& n : plan) {
        QWidget* parent = n.parent < 0 ? window.get() : widgets[static_cast<size_t>(n.parent)];
        QWidget* w = MakeWidget(n.kind, QString::fromStdString(n.text), parent);
        w->setObjectName(QString::fromStdString(n.name));
        w->setGeometry(n.left, n.top, n.width, n.height);
        widgets.push_back(w);
    }
    const double t = ThreadSeconds() - t0;
    window.reset();
    Flush();
    return t;
}

std::string UiDocument(const std::vector<FormPlan::Node>& plan) {
    std::vector<std::vector<int>> kids(plan.size());
    std::vector<int> top;
    for (size_t i = 0; i < plan.size(); ++i)
        (plan[i].parent < 0 ? top : kids[static_cast<size_t>(plan[i].parent)])
            .push_back(static_cast<int>(i));
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\">\n"
                      "<class>BenchForm</class>\n<widget class=\"QWidget\" name=\"BenchForm\">\n";
    out += UiRect(0, 0, FormPlan::FormWidth, FormPlan::FormHeight);
    for (int i : top)
        UiWidget(plan, kids, i, out);
    out += "</widget>\n<resources/>\n<connections/>\n</ui>\n";
    return out;
}

#ifdef ZK_BENCH_UITOOLS
bool HasUiLoader() {
    return true;
}

double LoadUi(const std::string& document) {
    QByteArray bytes(document.data(), static_cast<qsizetype>(document.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QUiLoader loader;
    const double t0 = ThreadSeconds();
    std::unique_ptr<QWidget> form(loader.load(&buffer));
    const double t = ThreadSeconds() - t0;
    if (!form) qFatal("the .ui document did not load: %s", qPrintable(loader.errorString()));
    return t;
}
#else
bool HasUiLoader() {
    return false;
}

double LoadUi(const std::string&) {
    return 0;
}
#endif

} // namespace QtBaseline
