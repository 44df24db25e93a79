// Linked into a window program, the probe reports on standard output once the program has
// painted its first frame. BENCH_PROBE chooses what it reports and when the program ends:
//   startup        one line "first-paint <peak RSS kB>", then the program ends at once;
//   memory         lines "<what>\t<figure>": time and memory at each stage of start-up and
//                  where the resident memory lies at the first paint, then the program ends;
//   idle:<seconds> CPU time and repaints over that many seconds after the first paint.
// BENCH_START_NS, the start on the monotonic clock, dates the stages. Without BENCH_PROBE the
// program runs as usual.
#include "process_memory.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace bench {
namespace {

double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

long pixelBytes(const QSize& size, int depth) {
    return long(size.width()) * size.height() * depth / 8;
}

// Bytes of the decoded pictures the windows hold: label pictures and window icons.
long pictureBytes() {
    long bytes = 0;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->pixmap().isNull()) {
            bytes += pixelBytes(label->pixmap().size(), label->pixmap().depth());
        }
        if (widget->isWindow()) {
            for (const QSize& size : widget->windowIcon().availableSizes()) {
                bytes += pixelBytes(size, 32);
            }
        }
    }
    return bytes;
}

// Milliseconds since BENCH_START_NS, the start time on the monotonic clock (as the parent
// process took it), or -1 when not known.
long millisecondsSinceStart() {
    bool known = false;
    const qint64 start = qEnvironmentVariable("BENCH_START_NS").toLongLong(&known);
    if (!known) {
        return -1;
    }
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return long((qint64(now.tv_sec) * 1000000000 + now.tv_nsec - start) / 1000000);
}

struct Stage {
    MemoryStatus memory;
    double cpuSeconds = 0;
    long wallMs = -1;

    static Stage now() { return {memoryStatus(), processCpuSeconds(), millisecondsSinceStart()}; }
};

void printStage(const char* name, const Stage& stage) {
    std::printf("%s: ms since start\t%ld\n", name, stage.wallMs);
    std::printf("%s: cpu ms\t%ld\n", name, long(stage.cpuSeconds * 1000));
    std::printf("%s: rss kB\t%ld\n", name, stage.memory.rssKb);
    std::printf("%s: heap in use kB\t%ld\n", name, stage.memory.heapInUseKb);
}

// CPU seconds the X server showing this program (the Xvfb of $DISPLAY) has used, or -1 when
// there is none.
double xServerCpuSeconds() {
    const QByteArray display = qgetenv("DISPLAY");
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        QFile command("/proc/" + entry + "/cmdline");
        if (display.isEmpty() || !command.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QList<QByteArray> words = command.readAll().split('\0');
        if (!words.first().endsWith("Xvfb") || !words.contains(display)) {
            continue;
        }
        QFile status("/proc/" + entry + "/stat");
        if (!status.open(QIODevice::ReadOnly)) {
            break;
        }
        const QByteArray line = status.readAll();
        // After the command's name in parentheses: state, then 10 fields, then utime and stime.
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        return fields.size() > 12
                   ? (fields[11].toDouble() + fields[12].toDouble()) / double(sysconf(_SC_CLK_TCK))
                   : -1;
    }
    return -1;
}

// Who repainted how much while the program sat idle.
struct PaintTally {
    QHash<QString, long> events;
    QHash<QString, long long> pixels;

    void add(const QWidget& widget, const QPaintEvent& event) {
        QString name =
            widget.objectName().isEmpty() ? widget.metaObject()->className() : widget.objectName();
        long long area = 0;
        for (const QRect& rect : event.region()) {
            area += qlonglong(rect.width()) * rect.height();
        }
        ++events[name];
        pixels[name] += area;
    }
};

class Probe : public QObject {
public:
    Probe(QString mode, QObject* parent) : QObject(parent), mode_(std::move(mode)) {
        stages_[0] = Stage::now();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget) {
            return false;
        }
        if (event->type() == QEvent::Show && widget->isWindow() && !built_) {
            built_ = true;
            stages_[1] = Stage::now();
        } else if (event->type() == QEvent::Paint) {
            onPaint(*widget, static_cast<QPaintEvent&>(*event));
        }
        return false;
    }

private:
    void onPaint(const QWidget& widget, const QPaintEvent& event) {
        if (!painted_) {
            painted_ = true;
            // The rest of the frame is painted and flushed before the event loop turns again.
            QTimer::singleShot(0, this, [this] { afterFirstPaint(); });
        } else if (idleStarted_) {
            tally_.add(widget, event);
        }
    }

    void afterFirstPaint() {
        stages_[2] = Stage::now();
        if (mode_ == "startup") {
            std::printf("first-paint %ld\n", stages_[2].memory.peakRssKb);
            finish();
        } else if (mode_ == "memory") {
            reportMemory();
            finish();
        } else if (mode_.startsWith("idle:")) {
            startIdle(mode_.mid(5).toDouble());
        }
    }

    void reportMemory() const {
        printStage("application", stages_[0]);
        printStage("window built", stages_[1]);
        printStage("first paint", stages_[2]);
        std::printf("peak rss kB\t%ld\n", stages_[2].memory.peakRssKb);
        std::printf("decoded pictures kB\t%ld\n", pictureBytes() / 1024);
        for (const auto& [kind, kb] : residentByKindKb()) {
            std::printf("rss kB in %s\t%ld\n", kind.c_str(), kb);
        }
    }

    void startIdle(double seconds) {
        idleStarted_ = true;
        const double serverStart = xServerCpuSeconds();
        const double cpuStart = processCpuSeconds();
        QTimer::singleShot(int(seconds * 1000), this, [this, seconds, cpuStart, serverStart] {
            const double cpu = processCpuSeconds() - cpuStart;
            std::printf("idle %.1f s cpu %.3f s = %.3f %% of one core\n", seconds, cpu,
                        100.0 * cpu / seconds);
            if (serverStart >= 0) {
                const double server = xServerCpuSeconds() - serverStart;
                std::printf("X server cpu %.2f s = %.2f %% of one core\n", server,
                            100.0 * server / seconds);
            }
            for (auto it = tally_.events.cbegin(); it != tally_.events.cend(); ++it) {
                std::printf("painted %-20s %7ld times %8lld pixels a time\n", qPrintable(it.key()),
                            it.value(), tally_.pixels.value(it.key()) / std::max(1L, it.value()));
            }
            for (const QWidget* window : QApplication::topLevelWidgets()) {
                if (window->isVisible()) {
                    std::printf("the whole window: %d pixels\n",
                                window->width() * window->height());
                }
            }
            finish();
        });
    }

    static void finish() {
        std::fflush(stdout);
        _exit(0); // the measurement is taken; tearing the window down is not part of it
    }

    QString mode_;
    Stage stages_[3]; // application made, window built, first paint
    bool built_ = false;
    bool painted_ = false;
    bool idleStarted_ = false;
    PaintTally tally_;
};

void installProbe() {
    const QString mode = qEnvironmentVariable("BENCH_PROBE");
    if (!mode.isEmpty()) {
        qApp->installEventFilter(new Probe(mode, qApp));
    }
}

} // namespace
} // namespace bench

using bench::installProbe;
Q_COREAPP_STARTUP_FUNCTION(installProbe)
