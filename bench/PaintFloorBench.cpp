// What a run's screen traffic costs a Qt window that draws nothing of its own: a
// 360 × 116 widget whose image changes and is pushed to the screen three times a
// second over the graph's area, as a run's ticks push it. Prints the processor time
// of the process (all its threads) per three ticks, one probe at the default
// interval: the floor under bench/window_cpu.sh's figure on the same machine. With
// --no-paint the ticks only wake the window.
#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

constexpr int kTicksPerProbe = 3;
constexpr int kTickMs = 333;
constexpr int kWarmUpTicks = 3;
constexpr int kProbes = 30;

double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

class FloorWidget : public QWidget {
public:
    FloorWidget() {
        setFixedSize(image_.size());
        setAttribute(Qt::WA_OpaquePaintEvent);
        image_.fill(Qt::black);
    }

    void Tick(bool paint) {
        image_.fill(QColor(ticks_ * 40 % 256, 0, 0));
        ++ticks_;
        if (paint) {
            update(QRect(0, 36, 316, 60));
        }
    }
    int Ticks() const { return ticks_; }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.drawImage(event->rect(), image_, event->rect());
    }

private:
    QImage image_{360, 116, QImage::Format_RGB32};
    int ticks_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool paint = !(argc > 1 && std::strcmp(argv[1], "--no-paint") == 0);
    FloorWidget widget;
    widget.show();
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    double start = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (widget.Ticks() == kWarmUpTicks) {
            start = ProcessCpuMs();
        }
        if (widget.Ticks() == kWarmUpTicks + kProbes * kTicksPerProbe) {
            std::printf("bare Qt window%s: %.2f ms per probe over %d probes\n",
                        paint ? "" : " (no painting)", (ProcessCpuMs() - start) / kProbes, kProbes);
            QApplication::quit();
        }
        widget.Tick(paint);
    });
    timer.start(kTickMs);
    return QApplication::exec();
}
